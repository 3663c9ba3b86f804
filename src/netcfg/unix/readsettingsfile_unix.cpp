// The reader's file opening on POSIX systems.
#include "netcfg/netcfg.h"
#include "netcfg/platformfiles.h"
#include "netcfg/unix/posixio.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace filemessages;

namespace {

// The first folder on the way to path that this process may not search, as a message names
// it; empty when every one may be searched.
QString unsearchableFolder(const QString &path)
{
    QDir folder = QFileInfo(path).absoluteDir();
    QStringList chain {folder.absolutePath()};
    while (folder.cdUp())
        chain.prepend(folder.absolutePath());
    for (const QString &step : std::as_const(chain)) {
        if (::faccessat(AT_FDCWD, QFile::encodeName(step).constData(), X_OK, AT_EACCESS) != 0)
            return QDir::toNativeSeparators(step);
    }
    return {};
}

} // namespace

Result<QByteArray> platform::readSettingsFile(const QString &path)
{
    const QString file = shown(path);
    const QByteArray name = QFile::encodeName(path);
    const auto cannotRead = [&](int code) {
        return Failure {QStringLiteral("Cannot read %1: %2").arg(file, posix::systemText(code))};
    };
    const auto notRegular = [&](mode_t mode) {
        return notSettings(
            file,
            QStringLiteral("it is %1, not a regular file").arg(posix::nonRegularFileKind(mode)));
    };

    // Look before opening: opening a FIFO waits for a writer, and a device may never end. A
    // symbolic link is refused as the card writer refuses it.
    struct stat info = {};
    if (::lstat(name.constData(), &info) != 0) {
        const int code = errno;
        if (code == ENOENT || code == ENOTDIR)
            return noFile(path);
        if (const QString folder = unsearchableFolder(path); code == EACCES && !folder.isEmpty())
            return Failure {QStringLiteral("Cannot read %1: the folder %2 cannot be searched (%3).")
                                .arg(file, folder, posix::systemText(code))};
        return cannotRead(code);
    }
    if (!S_ISREG(info.st_mode))
        return notRegular(info.st_mode);
    if (info.st_size > kMaxPlainFormSize)
        return tooLarge(file, info.st_size);

    // Should anything else stand there by now, O_NOFOLLOW refuses a link and O_NONBLOCK keeps
    // a FIFO from waiting; what was opened is checked again.
    const posix::Descriptor opened {
        ::open(name.constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC)};
    if (!opened.isOpen() || ::fstat(opened.fd, &info) != 0)
        return cannotRead(errno);
    if (!S_ISREG(info.st_mode))
        return notRegular(info.st_mode);
    if (info.st_size > kMaxPlainFormSize)
        return tooLarge(file, info.st_size);

    // One byte more than the camera reads tells a file that grew meanwhile.
    QByteArray bytes;
    if (!posix::readUpTo(opened.fd, kMaxPlainFormSize + 1, &bytes))
        return cannotRead(errno);
    if (bytes.size() > kMaxPlainFormSize)
        return tooLarge(file, std::max(qint64(info.st_size), qint64(bytes.size())));
    return bytes;
}
