#include "netcfg/storedfilewriter.h"

#include "netcfg/filekind.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <functional>
#include <utility>

#ifdef Q_OS_WIN
#include <windows.h>
#else
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {

using ReadBack = std::function<QByteArray(const QString &path, QString *error)>;

// A path as the user reads it in a message.
QString shown(const QString &path)
{
    return QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath());
}

// The temporary file's name in the destination's folder: hidden, and random enough that no
// other writer picks it (creating it fails rather than opening someone else's file anyway).
QString temporaryName(const QString &name)
{
    return QStringLiteral(".%1.%2.tmp")
        .arg(name)
        .arg(QRandomGenerator::system()->generate64(), 16, 16, QLatin1Char('0'));
}

// Compares what the card gives back of the synced temporary file with what was meant.
bool verify(const ReadBack &readBack, const QString &temporary, const QByteArray &bytes,
            const QString &target, QString *error)
{
    QString readError;
    const QByteArray onCard = readBack(temporary, &readError);
    if (!readError.isEmpty())
        *error = QStringLiteral("Cannot read back %1: %2").arg(target, readError);
    else if (onCard != bytes)
        *error = QStringLiteral("The card does not give back what was written for %1; "
                                "the file was left as it was.")
                     .arg(target);
    return readError.isEmpty() && onCard == bytes;
}

#ifndef Q_OS_WIN

QString systemText(int code)
{
    return QString::fromLocal8Bit(std::strerror(code));
}

// Closes a descriptor at the end of its scope.
struct Descriptor
{
    int fd = -1;
    ~Descriptor()
    {
        if (fd >= 0)
            ::close(fd);
    }
};

bool replace(const QString &path, const QByteArray &bytes, const ReadBack &readBack, QString *error)
{
    const QFileInfo info(path);
    const QString target = shown(path);
    const QString folder = QDir::toNativeSeparators(info.absolutePath());
    const QByteArray name = QFile::encodeName(info.fileName());
    const auto fail = [error](const QString &why) {
        *error = why;
        return false;
    };
    const auto cannotWrite = [&](int code) {
        return fail(QStringLiteral("Cannot write %1: %2").arg(target, systemText(code)));
    };
    if (name.isEmpty())
        return cannotWrite(EISDIR);

    // Everything below happens in this folder, even if its path changes meanwhile.
    const Descriptor dir {::open(QFile::encodeName(info.absolutePath()).constData(),
                                 O_RDONLY | O_DIRECTORY | O_CLOEXEC)};
    if (dir.fd < 0 && (errno == EACCES || errno == EPERM))
        return fail(QStringLiteral("Cannot write %1: the folder %2 cannot be opened (%3).")
                        .arg(target, folder, systemText(errno)));
    if (dir.fd < 0)
        return cannotWrite(errno);

    // Look at the destination without opening it: opening a FIFO waits for a writer, and a
    // device may never end.
    struct stat existing = {};
    const bool replacing = ::fstatat(dir.fd, name.constData(), &existing, AT_SYMLINK_NOFOLLOW) == 0;
    if (!replacing && errno != ENOENT)
        return cannotWrite(errno);
    if (replacing && !S_ISREG(existing.st_mode))
        return fail(QStringLiteral("Cannot replace %1: it is %2, not a regular file.")
                        .arg(target, nonRegularFileKind(existing.st_mode)));
    // rename(2) would replace a write-protected file without asking; it is left alone, as on
    // Windows. A file nobody may write (the read-only attribute on a FAT card) counts even
    // for root.
    if (replacing
        && ((existing.st_mode & 0222) == 0
            || (::faccessat(dir.fd, name.constData(), W_OK, AT_EACCESS) != 0 && errno == EACCES)))
        return fail(QStringLiteral("Cannot replace %1: the file is write-protected (%2).")
                        .arg(target, systemText(EACCES)));

    QByteArray temporary;
    Descriptor file;
    int code = EEXIST;
    for (int attempt = 0; file.fd < 0 && code == EEXIST && attempt < 16; ++attempt) {
        temporary = QFile::encodeName(temporaryName(info.fileName()));
        file.fd = ::openat(dir.fd, temporary.constData(),
                           O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
        code = errno;
    }
    if (file.fd < 0 && (code == EACCES || code == EPERM))
        return fail(QStringLiteral("Cannot write %1: no file can be created in the folder %2 (%3).")
                        .arg(target, folder, systemText(code)));
    if (file.fd < 0)
        return cannotWrite(code);

    // From here on every failure removes the temporary file.
    const QString temporaryPath = info.absolutePath() + u'/' + QFile::decodeName(temporary);
    struct Remover
    {
        int dir;
        const QByteArray &name;
        const QString &path;
        QString *error;
        bool armed = true;
        ~Remover()
        {
            if (armed && ::unlinkat(dir, name.constData(), 0) != 0)
                *error += QStringLiteral("\nCannot remove the temporary file %1: %2")
                              .arg(QDir::toNativeSeparators(path), systemText(errno));
        }
    } remover {dir.fd, temporary, temporaryPath, error};

    // The new file keeps the permissions of the file it replaces. A card that has no
    // permissions (FAT) may refuse; that is no reason to fail.
    if (replacing)
        (void)::fchmod(file.fd, existing.st_mode & 0777);

    for (qsizetype done = 0; done < bytes.size();) {
        const ssize_t n = ::write(file.fd, bytes.constData() + done, size_t(bytes.size() - done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return cannotWrite(n < 0 ? errno : EIO);
        done += n;
    }
    if (::fsync(file.fd) != 0)
        return cannotWrite(errno);
    if (::close(std::exchange(file.fd, -1)) != 0)
        return cannotWrite(errno);

    if (!verify(readBack, temporaryPath, bytes, target, error))
        return false;

    if (::renameat(dir.fd, temporary.constData(), dir.fd, name.constData()) != 0)
        return fail(QStringLiteral("Cannot replace %1: %2").arg(target, systemText(errno)));
    remover.armed = false;

    // The rename is on the card once the folder is synced. A filesystem that cannot sync a
    // folder (EINVAL) keeps its folders in step by itself.
    if (::fsync(dir.fd) != 0 && errno != EINVAL)
        return fail(QStringLiteral("Cannot sync the folder %1: %2\n%3 has been replaced, but the "
                                   "card may not keep it; write it again.")
                        .arg(folder, systemText(errno), target));
    return true;
}

#else // Q_OS_WIN

QString systemText(DWORD code)
{
    return qt_error_string(int(code));
}

LPCWSTR wide(const QString &path)
{
    return reinterpret_cast<LPCWSTR>(path.utf16());
}

// Closes a handle at the end of its scope.
struct Handle
{
    HANDLE h = INVALID_HANDLE_VALUE;
    ~Handle()
    {
        if (h != INVALID_HANDLE_VALUE)
            CloseHandle(h);
    }
};

bool replace(const QString &path, const QByteArray &bytes, const ReadBack &readBack, QString *error)
{
    const QFileInfo info(path);
    const QString target = shown(path);
    const QString folder = QDir::toNativeSeparators(info.absolutePath());
    const auto fail = [error](const QString &why) {
        *error = why;
        return false;
    };
    const auto cannotWrite = [&](DWORD code) {
        return fail(QStringLiteral("Cannot write %1: %2").arg(target, systemText(code)));
    };

    const DWORD attributes = GetFileAttributesW(wide(target));
    if (attributes == INVALID_FILE_ATTRIBUTES && GetLastError() != ERROR_FILE_NOT_FOUND)
        return cannotWrite(GetLastError());
    if (attributes != INVALID_FILE_ATTRIBUTES
        && (attributes
            & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT | FILE_ATTRIBUTE_DEVICE)))
        return fail(QStringLiteral("Cannot replace %1: it is not a regular file.").arg(target));
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY))
        return fail(QStringLiteral("Cannot replace %1: the file is write-protected (%2).")
                        .arg(target, systemText(ERROR_ACCESS_DENIED)));

    QString temporary;
    Handle file;
    DWORD code = ERROR_FILE_EXISTS;
    for (int attempt = 0;
         file.h == INVALID_HANDLE_VALUE && code == ERROR_FILE_EXISTS && attempt < 16; ++attempt) {
        temporary = folder + u'\\' + temporaryName(info.fileName());
        file.h = CreateFileW(wide(temporary), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                             FILE_ATTRIBUTE_NORMAL, nullptr);
        code = GetLastError();
    }
    if (file.h == INVALID_HANDLE_VALUE && code == ERROR_ACCESS_DENIED)
        return fail(QStringLiteral("Cannot write %1: no file can be created in the folder %2 (%3).")
                        .arg(target, folder, systemText(code)));
    if (file.h == INVALID_HANDLE_VALUE)
        return cannotWrite(code);

    struct Remover
    {
        const QString &name;
        bool armed = true;
        ~Remover()
        {
            if (armed)
                DeleteFileW(wide(name));
        }
    } remover {temporary};

    for (qsizetype done = 0; done < bytes.size();) {
        DWORD n = 0;
        if (!WriteFile(file.h, bytes.constData() + done, DWORD(bytes.size() - done), &n, nullptr)
            || n == 0)
            return cannotWrite(GetLastError());
        done += n;
    }
    if (!FlushFileBuffers(file.h) || !CloseHandle(std::exchange(file.h, INVALID_HANDLE_VALUE)))
        return cannotWrite(GetLastError());

    if (!verify(readBack, temporary, bytes, target, error))
        return false;

    // Returns once the new directory entry is on the card.
    if (!MoveFileExW(wide(temporary), wide(target),
                     MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return fail(
            QStringLiteral("Cannot replace %1: %2").arg(target, systemText(GetLastError())));
    remover.armed = false;
    return true;
}

#endif

} // namespace

bool StoredFileWriter::write(const QString &path, const QByteArray &bytes, QString *error)
{
    QString why;
    const bool written = replace(
        path, bytes,
        [this](const QString &at, QString *readError) { return readBack(at, readError); }, &why);
    if (!written && error)
        *error = why;
    return written;
}

#ifndef Q_OS_WIN

QByteArray StoredFileWriter::readBack(const QString &path, QString *error)
{
    // O_NONBLOCK: should anything but the regular file written stand there now, opening it
    // must not wait.
    const Descriptor file {::open(QFile::encodeName(path).constData(),
                                  O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC)};
    struct stat info = {};
    if (file.fd < 0 || ::fstat(file.fd, &info) != 0) {
        *error = systemText(errno);
        return {};
    }
    if (!S_ISREG(info.st_mode)) {
        *error
            = QStringLiteral("it is %1, not a regular file").arg(nonRegularFileKind(info.st_mode));
        return {};
    }
    // The file is synced, so dropping its pages from the cache makes the reads below come
    // from the card. It is advice: a filesystem that keeps its files in memory ignores it.
#ifdef POSIX_FADV_DONTNEED
    ::posix_fadvise(file.fd, 0, 0, POSIX_FADV_DONTNEED);
#endif
    QByteArray bytes(qsizetype(info.st_size), Qt::Uninitialized);
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::read(file.fd, bytes.data() + done, size_t(bytes.size() - done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            *error = systemText(errno);
            return {};
        }
        if (n == 0)
            break;
        done += n;
    }
    bytes.truncate(done);
    return bytes;
}

#else // Q_OS_WIN

QByteArray StoredFileWriter::readBack(const QString &path, QString *error)
{
    // An unbuffered read comes from the card, not from the cache. It needs a buffer and a
    // length in whole sectors: VirtualAlloc gives page-aligned memory, sized in 64 KiB steps.
    Handle file;
    file.h = CreateFileW(wide(QDir::toNativeSeparators(path)), GENERIC_READ, FILE_SHARE_READ,
                         nullptr, OPEN_EXISTING, FILE_FLAG_NO_BUFFERING, nullptr);
    LARGE_INTEGER size {};
    if (file.h == INVALID_HANDLE_VALUE || !GetFileSizeEx(file.h, &size)) {
        *error = systemText(GetLastError());
        return {};
    }
    const SIZE_T capacity = (SIZE_T(size.QuadPart) / 65536 + 1) * 65536;
    void *buffer = VirtualAlloc(nullptr, capacity, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
    DWORD n = 0;
    const bool read = buffer && ReadFile(file.h, buffer, DWORD(capacity), &n, nullptr);
    const DWORD code = GetLastError();
    const QByteArray bytes = read ? QByteArray(static_cast<const char *>(buffer), n) : QByteArray();
    if (buffer)
        VirtualFree(buffer, 0, MEM_RELEASE);
    if (!read)
        *error = systemText(code);
    return bytes;
}

#endif
