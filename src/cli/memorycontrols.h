#pragma once

#include "netcfg/namedcontrols.h"

#include <QHash>
#include <QSet>
#include <QString>

// A setup window's controls held in memory: what the carrier steps and Generate see of a
// window, without one. A box's list is not kept, since the command line checks country and
// operator names against the country tables itself.
class MemoryControls final : public NamedControls
{
public:
    QString text(const QString &name) const override { return m_texts.value(name); }
    void setText(const QString &name, const QString &text) override
    {
        m_texts.insert(name, text);
        m_written.insert(name);
    }
    void clearList(const QString &name) override { m_texts.remove(name); }
    void addItem(const QString &, const QString &) override { }

    // Whether setText() was called for the control since forgetWrites().
    bool written(const QString &name) const { return m_written.contains(name); }
    void forgetWrites() { m_written.clear(); }

private:
    QHash<QString, QString> m_texts;
    QSet<QString> m_written;
};
