#include "netcfg/filekind.h"

#ifndef Q_OS_WIN
#include <sys/stat.h>

QString nonRegularFileKind(mode_t mode)
{
    if (S_ISDIR(mode))
        return QStringLiteral("a folder");
    if (S_ISLNK(mode))
        return QStringLiteral("a symbolic link");
    if (S_ISFIFO(mode))
        return QStringLiteral("a FIFO");
    if (S_ISSOCK(mode))
        return QStringLiteral("a socket");
    return QStringLiteral("a device");
}
#endif
