#include "netcfg/platformfiles.h"

#include "netcfg/destination.h"
#include "netcfg/netcfg.h"

#include <QDir>
#include <QFileInfo>
#include <QRandomGenerator>

#include <algorithm>

namespace filemessages {

QString shown(const QString &path)
{
    return shownPath(path);
}

Failure noFile(const QString &path)
{
    const QFileInfo file(path);
    return {QStringLiteral("There is no %1 in %2.")
                .arg(file.fileName(), QDir::toNativeSeparators(file.absolutePath()))};
}

Failure notSettings(const QString &shownPath, const QString &reason)
{
    return {QStringLiteral("%1 is not a settings file: %2.").arg(shownPath, reason)};
}

Failure tooLarge(const QString &shownPath, qint64 size)
{
    return notSettings(shownPath,
                       QStringLiteral("it holds %1 bytes, and the camera reads at most %2")
                           .arg(size)
                           .arg(kMaxPlainFormSize));
}

QString temporaryName(const QString &fileName)
{
    return QStringLiteral(".%1.%2.tmp")
        .arg(fileName)
        .arg(QRandomGenerator::system()->generate64(), 16, 16, QLatin1Char('0'));
}

bool isTemporaryName(const QString &name, const QString &fileName)
{
    const QString prefix = u'.' + fileName + u'.';
    const QString suffix = QStringLiteral(".tmp");
    if (name.size() != prefix.size() + 16 + suffix.size() || !name.startsWith(prefix)
        || !name.endsWith(suffix))
        return false;
    const QStringView digits = QStringView(name).mid(prefix.size(), 16);
    return std::all_of(digits.begin(), digits.end(), [](QChar c) {
        return (c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'f');
    });
}

} // namespace filemessages
