#include "widgets/framelesswindow.h"

#include "widgets/controlbuilder.h"
#include "widgets/desktophints.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QScreen>

FramelessWindow::FramelessWindow(const WindowDesign &design, QWidget *parent)
    : QWidget(parent, unlistedWindowFlags())
{
    // On macOS a tool window must not vanish while we are inactive.
    setAttribute(Qt::WA_MacAlwaysShowToolWindow);
    buildWindow(this, design);
    qApp->installEventFilter(this);
}

FramelessWindow::~FramelessWindow()
{
    qApp->removeEventFilter(this);
}

bool FramelessWindow::isOverBackground(const QPointF &position) const
{
    // A drag that outruns the window still belongs to it: only controls are not background.
    return !childAt(position.toPoint());
}

void FramelessWindow::mousePressEvent(QMouseEvent *event)
{
    if (isOverBackground(event->position()))
        m_dragAnchor = event->position();
    QWidget::mousePressEvent(event);
}

void FramelessWindow::mouseMoveEvent(QMouseEvent *event)
{
    if (event->buttons() == Qt::LeftButton && isOverBackground(event->position())) {
        // Single precision, as the window's position has always been computed.
        const float left = float(x()) + float(event->position().x()) - float(m_dragAnchor.x());
        const float top = float(y()) + float(event->position().y()) - float(m_dragAnchor.y());
        move(qRound(left), qRound(top));
    }
    QWidget::mouseMoveEvent(event);
}

void FramelessWindow::closeEvent(QCloseEvent *event)
{
    QWidget::closeEvent(event);
    if (event->isAccepted())
        emit closed();
}

void FramelessWindow::setVisible(bool visible)
{
    if (visible && !m_placed) {
        // Centred before the native window exists, so that it is created in its place and
        // the window system has no move to report back. On X11 such a report arrives after
        // the window manager has taken the window into a new frame, which still sits in the
        // screen's corner; Qt asks where the window is at that moment and keeps the corner
        // for its place (openbox then places the frame without telling us), so lists,
        // the folder dialog and message boxes opened there.
        m_placed = true;
        if (QScreen *screen = this->screen()) {
            QRect frame = geometry();
            frame.moveCenter(screen->availableGeometry().center());
            move(frame.topLeft());
        }
    }
    if (visible && !isVisible())
        keepOutOfTaskBar(this);
    QWidget::setVisible(visible);
}

bool FramelessWindow::eventFilter(QObject *watched, QEvent *event)
{
    // Key preview: every key typed into this window comes here before the focused control.
    if (event->type() == QEvent::KeyPress && watched->isWidgetType()
        && static_cast<QWidget *>(watched)->window() == this) {
        const auto *key = static_cast<QKeyEvent *>(event);
        if (key->key() == Qt::Key_Escape || key->text() == QChar(27)) {
            emit quitRequested();
            return true;
        }
        // Enter presses a focused button, as Space does (Qt leaves Enter to dialogs' buttons).
        auto *button = qobject_cast<QAbstractButton *>(watched);
        if (button && (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter)
            && !key->isAutoRepeat() && button->isEnabled()) {
            button->click();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}
