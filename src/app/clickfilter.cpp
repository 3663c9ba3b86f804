#include "app/clickfilter.h"

#include <QMouseEvent>
#include <QWidget>

ClickFilter::ClickFilter(QWidget *target)
    : QObject(target)
    , m_target(target)
{
    target->installEventFilter(this);
}

bool ClickFilter::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_target
        && (event->type() == QEvent::MouseButtonPress
            || event->type() == QEvent::MouseButtonRelease)) {
        const auto *mouse = static_cast<QMouseEvent *>(event);
        if (mouse->button() == Qt::LeftButton) {
            if (event->type() == QEvent::MouseButtonPress) {
                m_pressed = true;
            } else {
                const bool inside = m_target->rect().contains(mouse->position().toPoint());
                const bool click = m_pressed && inside;
                m_pressed = false;
                if (click)
                    emit clicked();
            }
        }
    }
    return QObject::eventFilter(watched, event);
}
