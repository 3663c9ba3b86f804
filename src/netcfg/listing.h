#pragma once

#include <QString>
#include <QStringList>

// A list as a sentence names it: "A", "A and B", "A, B and C"; empty for none.
inline QString listed(const QStringList &items)
{
    if (items.size() < 2)
        return items.join(QString());
    return items.first(items.size() - 1).join(QStringLiteral(", ")) + QStringLiteral(" and ")
        + items.back();
}
