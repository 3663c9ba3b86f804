#include "cli/console.h"

#include <QFile>

#include <cstring>
#include <sys/stat.h>

namespace cli::console {

QList<QByteArray> argumentBytes(int argc, char *argv[])
{
    QList<QByteArray> bytes;
    for (int i = 0; i < argc; ++i)
        bytes.append(QByteArray(argv[i]));
    return bytes;
}

void readInputAsBytes() { }

bool writeToConsole(std::FILE *, const QString &)
{
    return false;
}

bool displayMissing(int argc, const char *const argv[])
{
    QByteArray platform = qgetenv("QT_QPA_PLATFORM");
    for (int i = 1; i + 1 < argc; ++i) {
        if (std::strcmp(argv[i], "-platform") == 0 || std::strcmp(argv[i], "--platform") == 0)
            platform = argv[i + 1];
    }
    const bool x11 = qEnvironmentVariableIsEmpty("DISPLAY") == false;
    const bool wayland = qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") == false;
    return platform.isEmpty()            ? !x11 && !wayland
        : platform.startsWith("xcb")     ? !x11
        : platform.startsWith("wayland") ? !wayland
                                         : false; // another platform: Qt knows best
}

QString notASecretFile(const QString &path)
{
    struct stat info = {};
    if (::stat(QFile::encodeName(path).constData(), &info) != 0)
        return {}; // opening it says why
    if (S_ISDIR(info.st_mode))
        return QStringLiteral("is a folder");
    if (!S_ISREG(info.st_mode) && !S_ISFIFO(info.st_mode))
        return QStringLiteral("is not a file");
    return {};
}

QString modeReadableByOthers(const QString &path)
{
    struct stat info = {};
    if (::stat(QFile::encodeName(path).constData(), &info) != 0 || !S_ISREG(info.st_mode)
        || (info.st_mode & (S_IRGRP | S_IROTH)) == 0)
        return {};
    return QStringLiteral("%1").arg(info.st_mode & 07777, 4, 8, QLatin1Char('0'));
}

} // namespace cli::console
