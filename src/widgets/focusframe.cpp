#include "widgets/focusframe.h"

#include <QEvent>
#include <QFocusEvent>
#include <QObject>
#include <QPainter>
#include <QWidget>

namespace {

constexpr int kFrameWidth = 2;
constexpr int kFrameInset = 2; // from the widget's edge, inside the button's own border

class KeyboardFocusFrame final : public QObject
{
public:
    explicit KeyboardFocusFrame(QWidget *widget)
        : QObject(widget)
        , m_widget(widget)
    {
        widget->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched != m_widget)
            return false;
        switch (event->type()) {
        case QEvent::FocusIn:
        case QEvent::FocusOut:
            follow(static_cast<QFocusEvent *>(event)->reason(), event->type() == QEvent::FocusIn);
            m_widget->update();
            break;
        case QEvent::Paint:
            if (m_fromKeyboard && m_widget->hasFocus()) {
                // The widget draws itself first; the frame goes over it.
                static_cast<QObject *>(m_widget)->event(event);
                paintFrame();
                return true;
            }
            break;
        default:
            break;
        }
        return false;
    }

private:
    void follow(Qt::FocusReason reason, bool in)
    {
        switch (reason) {
        case Qt::TabFocusReason:
        case Qt::BacktabFocusReason:
        case Qt::ShortcutFocusReason:
            m_fromKeyboard = in;
            break;
        case Qt::ActiveWindowFocusReason:
        case Qt::PopupFocusReason:
        case Qt::MenuBarFocusReason:
            break; // the focus goes away for a while and comes back as it was
        default:
            m_fromKeyboard = false;
            break;
        }
    }

    void paintFrame()
    {
        QPainter painter(m_widget);
        const QColor colour = m_widget->palette().color(QPalette::Active, QPalette::Highlight);
        const int edge = kFrameInset;
        const QRect inside = m_widget->rect().adjusted(edge, edge, -edge, -edge);
        // Four bands, so that the frame keeps its width at every scale.
        painter.fillRect(QRect(inside.left(), inside.top(), inside.width(), kFrameWidth), colour);
        painter.fillRect(
            QRect(inside.left(), inside.bottom() - kFrameWidth + 1, inside.width(), kFrameWidth),
            colour);
        painter.fillRect(QRect(inside.left(), inside.top(), kFrameWidth, inside.height()), colour);
        painter.fillRect(
            QRect(inside.right() - kFrameWidth + 1, inside.top(), kFrameWidth, inside.height()),
            colour);
    }

    QWidget *m_widget;
    bool m_fromKeyboard = false;
};

} // namespace

void showKeyboardFocus(QWidget *widget)
{
    new KeyboardFocusFrame(widget);
}
