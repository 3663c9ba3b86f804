#include "cli/optionname.h"

namespace cli {

QString optionName(QLatin1StringView key)
{
    const QString name = key;
    QString option;
    for (qsizetype i = 0; i < name.size(); ++i) {
        const bool afterLower = i > 0 && name[i - 1].isLower();
        const bool beforeLower = i > 0 && i + 1 < name.size() && name[i + 1].isLower();
        if (name[i].isUpper() && (afterLower || beforeLower))
            option += u'-';
        option += name[i].toLower();
    }
    return option;
}

} // namespace cli
