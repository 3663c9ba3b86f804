#include "netcfg/unix/posixio.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace posix {

Descriptor::~Descriptor()
{
    if (fd >= 0)
        ::close(fd);
}

bool Descriptor::close()
{
    return ::close(std::exchange(fd, -1)) == 0;
}

QString systemText(int code)
{
    return QString::fromLocal8Bit(std::strerror(code));
}

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

mode_t currentUmask()
{
    const Descriptor status {::open("/proc/self/status", O_RDONLY | O_CLOEXEC)};
    QByteArray lines;
    if (status.isOpen() && readUpTo(status.fd, 16384, &lines)) {
        const qsizetype at = lines.indexOf("\nUmask:");
        const qsizetype end = lines.indexOf('\n', at + 1);
        bool ok = false;
        const uint mask = lines.mid(at + 7, end - at - 7).trimmed().toUInt(&ok, 8);
        if (at >= 0 && ok)
            return mode_t(mask & 0777);
    }
    const mode_t mask = ::umask(077);
    ::umask(mask);
    return mask;
}

bool readUpTo(int fd, qsizetype limit, QByteArray *bytes)
{
    bytes->resize(limit);
    qsizetype done = 0;
    while (done < limit) {
        const ssize_t n = ::read(fd, bytes->data() + done, size_t(limit - done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return false;
        if (n == 0)
            break;
        done += n;
    }
    bytes->truncate(done);
    return true;
}

bool writeAll(int fd, const QByteArray &bytes)
{
    for (qsizetype done = 0; done < bytes.size();) {
        const ssize_t n = ::write(fd, bytes.constData() + done, size_t(bytes.size() - done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n == 0)
            errno = EIO;
        if (n <= 0)
            return false;
        done += n;
    }
    return true;
}

} // namespace posix
