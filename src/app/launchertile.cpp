#include "app/launchertile.h"

#include "widgets/focusframe.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>

namespace {

LauncherTile *tileOf(QObject *object)
{
    return object->findChild<LauncherTile *>(QString(), Qt::FindDirectChildrenOnly);
}

class AccessibleTile final : public QAccessibleWidget
{
public:
    explicit AccessibleTile(QLabel *label)
        : QAccessibleWidget(label, QAccessible::Button)
    { }

    QString text(QAccessible::Text kind) const override
    {
        if (kind == QAccessible::Name && widget()->accessibleName().isEmpty())
            return static_cast<const QLabel *>(widget())->text().trimmed();
        return QAccessibleWidget::text(kind);
    }

    QStringList actionNames() const override
    {
        return QStringList(pressAction()) + QAccessibleWidget::actionNames();
    }

    void doAction(const QString &action) override
    {
        if (action == pressAction())
            tileOf(widget())->activate();
        else
            QAccessibleWidget::doAction(action);
    }
};

QAccessibleInterface *accessibleTile(const QString &, QObject *object)
{
    auto *label = qobject_cast<QLabel *>(object);
    return label && tileOf(label) ? new AccessibleTile(label) : nullptr;
}

} // namespace

LauncherTile::LauncherTile(QLabel *label)
    : QObject(label)
    , m_label(label)
{
    static const bool factoryInstalled = (QAccessible::installFactory(&accessibleTile), true);
    Q_UNUSED(factoryInstalled);
    // Qt met the label as a label already (setting its caption announces it): forget that.
    if (QAccessibleInterface *known = QAccessible::queryAccessibleInterface(label))
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(known));
    // Tab only: a click opens the tile without leaving a focus frame behind.
    label->setFocusPolicy(Qt::TabFocus);
    showKeyboardFocus(label);
    label->installEventFilter(this);
}

void LauncherTile::activate()
{
    if (m_label->isEnabled())
        emit activated();
}

bool LauncherTile::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != m_label)
        return false;
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease: {
        const auto *mouse = static_cast<QMouseEvent *>(event);
        if (mouse->button() != Qt::LeftButton)
            break;
        if (event->type() == QEvent::MouseButtonPress) {
            m_pressed = true;
        } else {
            const bool click = m_pressed && m_label->rect().contains(mouse->position().toPoint());
            m_pressed = false;
            if (click)
                activate();
        }
        break;
    }
    case QEvent::KeyPress: {
        const auto *key = static_cast<QKeyEvent *>(event);
        const bool plain = (key->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
        if (plain && !key->isAutoRepeat()
            && (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter
                || key->key() == Qt::Key_Space)) {
            activate();
            return true;
        }
        break;
    }
    default:
        break;
    }
    return false;
}
