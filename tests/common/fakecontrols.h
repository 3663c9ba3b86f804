#pragma once

#include "netcfg/namedcontrols.h"

#include <QHash>
#include <QStringList>

// A setup window's named controls without a window: remembers texts and box lists, and logs
// every text write as "name=text" in order. Base is NamedControls, or an interface built on
// it (the file actions' host), whose other members the deriving fake adds.
template<typename Base = NamedControls> class FakeControlsOf : public Base
{
public:
    QString text(const QString &name) const override { return m_texts.value(name); }
    void setText(const QString &name, const QString &text) override
    {
        m_texts.insert(name, text);
        m_writes.append(name + u'=' + text);
    }
    void clearList(const QString &name) override
    {
        m_lists[name].clear();
        m_texts[name].clear();
    }
    void addItem(const QString &name, const QString &item) override { m_lists[name].append(item); }

    QStringList list(const QString &name) const { return m_lists.value(name); }
    QHash<QString, QString> texts() const { return m_texts; }
    QStringList writes() const { return m_writes; }
    void clearWrites() { m_writes.clear(); }

private:
    QHash<QString, QString> m_texts;
    QHash<QString, QStringList> m_lists;
    QStringList m_writes;
};

using FakeControls = FakeControlsOf<>;
