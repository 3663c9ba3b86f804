#include "netcfg/platformfiles.h"

#include "netcfg/destination.h"
#include "netcfg/netcfg.h"

#include <QDir>
#include <QFileInfo>

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

} // namespace filemessages
