#pragma once

#include "actions/namedcontrols.h"

#include <QHash>
#include <QStringList>

// A setup window's named controls without a window: remembers texts and box lists, and logs
// every write as "name=text" (a list as "name=[a, b]") in order.
class FakeControls : public NamedControls
{
public:
    QString text(const QString &name) const override { return m_texts.value(name); }
    void setText(const QString &name, const QString &text) override
    {
        m_texts.insert(name, text);
        m_writes.append(name + u'=' + text);
    }
    QStringList items(const QString &name) const override { return m_lists.value(name); }
    void setItems(const QString &name, const QStringList &items) override
    {
        m_lists.insert(name, items);
        m_writes.append(name + QStringLiteral("=[") + items.join(QStringLiteral(", ")) + u']');
    }

    QStringList writes() const { return m_writes; }
    void clearWrites() { m_writes.clear(); }

private:
    QHash<QString, QString> m_texts;
    QHash<QString, QStringList> m_lists;
    QStringList m_writes;
};
