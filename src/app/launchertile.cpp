#include "app/launchertile.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>

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
    // Tab only: a click opens the tile without leaving a focus mark behind.
    label->setFocusPolicy(Qt::TabFocus);
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
    case QEvent::Paint:
        if (m_label->hasFocus()) {
            // The label draws its caption first; the mark goes over it.
            static_cast<QObject *>(m_label)->event(event);
            paintFocusMark();
            return true;
        }
        break;
    default:
        break;
    }
    return false;
}

void LauncherTile::paintFocusMark()
{
    // A dotted frame in the caption's colour, inside the tile's edge: the tile keeps its look.
    QPainter painter(m_label);
    painter.setPen(QPen(m_label->palette().color(m_label->foregroundRole()), 1, Qt::DotLine));
    painter.drawRect(m_label->rect().adjusted(3, 3, -4, -4));
}
