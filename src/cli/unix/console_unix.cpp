#include "cli/console.h"

#include <cstring>

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

} // namespace cli::console
