// The reader's file opening on Windows.
#include "netcfg/netcfg.h"
#include "netcfg/platformfiles.h"
#include "netcfg/win/winfiles.h"

#include <QDir>

#include <algorithm>

using namespace filemessages;

Result<QByteArray> platform::readSettingsFile(const QString &path)
{
    const QString file = shown(path);
    const auto cannotRead = [&](DWORD code) {
        return Failure {QStringLiteral("Cannot read %1: %2").arg(file, win::systemText(code))};
    };

    // Look before opening, as on other systems: a device may never end.
    const DWORD attributes = GetFileAttributesW(win::wide(file));
    if (attributes == INVALID_FILE_ATTRIBUTES) {
        const DWORD code = GetLastError();
        if (code == ERROR_FILE_NOT_FOUND || code == ERROR_PATH_NOT_FOUND)
            return noFile(path);
        return cannotRead(code);
    }
    if (!win::isRegularFile(attributes))
        return notSettings(file, QStringLiteral("it is not a regular file"));

    const win::Handle opened {CreateFileW(win::wide(file), GENERIC_READ,
                                          FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                          OPEN_EXISTING, FILE_FLAG_OPEN_REPARSE_POINT, nullptr)};
    LARGE_INTEGER size {};
    if (!opened.isOpen() || !GetFileSizeEx(opened.h, &size))
        return cannotRead(GetLastError());
    if (size.QuadPart > kMaxPlainFormSize)
        return tooLarge(file, size.QuadPart);

    // One byte more than the camera reads tells a file that grew meanwhile.
    QByteArray bytes(kMaxPlainFormSize + 1, Qt::Uninitialized);
    qsizetype done = 0;
    while (done < bytes.size()) {
        DWORD n = 0;
        if (!ReadFile(opened.h, bytes.data() + done, DWORD(bytes.size() - done), &n, nullptr))
            return cannotRead(GetLastError());
        if (n == 0)
            break;
        done += n;
    }
    if (done > kMaxPlainFormSize)
        return tooLarge(file, std::max(qint64(size.QuadPart), qint64(done)));
    bytes.truncate(done);
    return bytes;
}
