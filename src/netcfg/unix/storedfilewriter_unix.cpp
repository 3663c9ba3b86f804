// The card writer's steps on POSIX systems: everything happens in the destination's folder,
// opened once, so that a folder renamed or replaced meanwhile cannot redirect the write.
#include "netcfg/platformfiles.h"
#include "netcfg/unix/posixio.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <ctime>
#include <dirent.h>
#include <fcntl.h>
#include <mutex>
#include <sys/stat.h>
#include <unistd.h>

using namespace filemessages;
using posix::systemText;

namespace {

// The destination: its folder, opened, and its name in that folder.
struct Destination
{
    QString shown; // the file, as a message names it
    QString folderShown;
    QString folderPath;
    QByteArray name;
    posix::Descriptor folder;

    Failure cannotWrite(int code) const
    {
        return {QStringLiteral("Cannot write %1: %2").arg(shown, systemText(code))};
    }
};

Result<void> openFolder(Destination &to)
{
    if (to.name.isEmpty())
        return to.cannotWrite(EISDIR);
    to.folder.fd
        = ::open(QFile::encodeName(to.folderPath).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (to.folder.isOpen())
        return {};
    if (errno == EACCES || errno == EPERM)
        return Failure {QStringLiteral("Cannot write %1: the folder %2 cannot be opened (%3).")
                            .arg(to.shown, to.folderShown, systemText(errno))};
    return to.cannotWrite(errno);
}

// What stands at the destination now, looked at without opening it (opening a FIFO waits for a
// writer, and a device may never end): nothing (st_mode 0), or a regular file that may be
// replaced.
Result<struct stat> inspectExisting(const Destination &to)
{
    struct stat existing = {};
    if (::fstatat(to.folder.fd, to.name.constData(), &existing, AT_SYMLINK_NOFOLLOW) != 0) {
        if (errno != ENOENT)
            return to.cannotWrite(errno);
        const struct stat nothing = {};
        return nothing;
    }
    if (!S_ISREG(existing.st_mode))
        return Failure {QStringLiteral("Cannot replace %1: it is %2, not a regular file.")
                            .arg(to.shown, posix::nonRegularFileKind(existing.st_mode))};
    // rename(2) would replace a write-protected file without asking; it is left alone, as on
    // Windows. A file nobody may write (the read-only attribute on a FAT card) counts even
    // for root.
    if ((existing.st_mode & 0222) == 0
        || (::faccessat(to.folder.fd, to.name.constData(), W_OK, AT_EACCESS) != 0
            && errno == EACCES))
        return Failure {QStringLiteral("Cannot replace %1: the file is write-protected (%2).")
                            .arg(to.shown, systemText(EACCES))};
    return existing;
}

// A write that was killed outright (SIGKILL, a power cut) leaves its temporary file. Such files
// in the folder are removed: regular files of our own temporary name, ours, untouched for ten
// minutes (a younger one may belong to a write going on now). Names are looked at in the
// folder opened, and unlinkat() removes an entry without following it.
void removeStaleTemporaries(const Destination &to)
{
    constexpr time_t kStaleAfter = 10 * 60;
    const int listed = ::openat(to.folder.fd, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    DIR *folder = listed >= 0 ? ::fdopendir(listed) : nullptr;
    if (!folder) {
        if (listed >= 0)
            ::close(listed);
        return;
    }
    const QString fileName = QFile::decodeName(to.name);
    const time_t before = ::time(nullptr) - kStaleAfter;
    while (const dirent *entry = ::readdir(folder)) {
        struct stat info = {};
        if (isTemporaryName(QFile::decodeName(entry->d_name), fileName)
            && ::fstatat(to.folder.fd, entry->d_name, &info, AT_SYMLINK_NOFOLLOW) == 0
            && S_ISREG(info.st_mode) && info.st_uid == ::geteuid() && info.st_mtime < before)
            ::unlinkat(to.folder.fd, entry->d_name, 0);
    }
    ::closedir(folder);
}

// While a temporary file holds the new settings, SIGINT, SIGTERM and SIGHUP are only noted,
// in whichever thread they arrive: the write stops before the rename and removes its
// temporary file, then the previous handlers come back and the signal is raised again, so the
// program still ends by it. SIGXFSZ is ignored meanwhile, so that a file-size limit fails the
// write with EFBIG instead of ending the program with the temporary file left. Handlers are
// the process's, so writes take turns.
class Interruptions
{
public:
    Interruptions()
    {
        struct sigaction noting = {};
        noting.sa_handler = &Interruptions::note;
        noting.sa_flags = SA_RESTART;
        sigemptyset(&noting.sa_mask);
        for (const int signal : kDeferred)
            sigaddset(&noting.sa_mask, signal);
        for (int i = 0; i < kCount; ++i)
            ::sigaction(kDeferred[i], &noting, &m_previous[i]);
        struct sigaction ignoring = {};
        ignoring.sa_handler = SIG_IGN;
        ::sigaction(SIGXFSZ, &ignoring, &m_previousSizeLimit);
    }
    Interruptions(const Interruptions &) = delete;
    Interruptions &operator=(const Interruptions &) = delete;

    ~Interruptions()
    {
        ::sigaction(SIGXFSZ, &m_previousSizeLimit, nullptr);
        for (int i = 0; i < kCount; ++i)
            ::sigaction(kDeferred[i], &m_previous[i], nullptr);
        for (int i = 0; i < kCount; ++i) {
            const bool noted = s_noted[i] != 0;
            s_noted[i] = 0;
            if (noted)
                ::raise(kDeferred[i]);
        }
    }

    // The first of the signals that arrived since, or 0.
    static int arrived()
    {
        for (int i = 0; i < kCount; ++i) {
            if (s_noted[i])
                return kDeferred[i];
        }
        return 0;
    }

private:
    static constexpr int kCount = 3;
    static constexpr int kDeferred[kCount] = {SIGINT, SIGTERM, SIGHUP};
    static inline volatile sig_atomic_t s_noted[kCount] = {};

    static void note(int signal)
    {
        for (int i = 0; i < kCount; ++i) {
            if (kDeferred[i] == signal)
                s_noted[i] = 1;
        }
    }

    struct sigaction m_previous[kCount] = {};
    struct sigaction m_previousSizeLimit = {};
};

// A new temporary file of a unique name in the destination's folder, removed again unless it
// was renamed over the destination.
struct Temporary
{
    const Destination &to;
    QByteArray name;
    posix::Descriptor file;
    bool renamed = false;

    QString path() const { return to.folderPath + u'/' + QFile::decodeName(name); }
};

Result<void> create(Temporary &temporary)
{
    const Destination &to = temporary.to;
    int code = EEXIST;
    for (int attempt = 0; !temporary.file.isOpen() && code == EEXIST && attempt < 16; ++attempt) {
        temporary.name = QFile::encodeName(temporaryName(QFile::decodeName(to.name)));
        // Only its owner may open it: it holds the new passwords before its final mode is set.
        temporary.file.fd = ::openat(to.folder.fd, temporary.name.constData(),
                                     O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
        code = errno;
    }
    if (temporary.file.isOpen())
        return {};
    if (code == EACCES || code == EPERM)
        return Failure {
            QStringLiteral("Cannot write %1: no file can be created in the folder %2 (%3).")
                .arg(to.shown, to.folderShown, systemText(code))};
    return to.cannotWrite(code);
}

// Gives the checked temporary file the owner, group and mode of the file it replaces, or a new
// file's mode (0666 less the umask). The owner is kept where the process may set it (root);
// otherwise the group alone where it may, and a group other than the old file's gets no more
// than everybody else had. A card without owners or modes (FAT) refuses or ignores these
// calls: a refusal leaves the file narrower than meant, never wider, so it fails nothing.
void takeOverPermissions(int fd, const struct stat &existing)
{
    if (existing.st_mode == 0) {
        (void)::fchmod(fd, 0666 & ~posix::currentUmask());
        return;
    }
    mode_t mode = existing.st_mode & 0777;
    struct stat now = {};
    if (::fstat(fd, &now) == 0
        && (now.st_uid != existing.st_uid || now.st_gid != existing.st_gid)) {
        if (::fchown(fd, existing.st_uid, existing.st_gid) != 0)
            (void)::fchown(fd, uid_t(-1), existing.st_gid);
        if (::fstat(fd, &now) != 0 || now.st_gid != existing.st_gid)
            mode &= ~mode_t(070) | ((mode & 07) << 3);
    }
    (void)::fchmod(fd, mode);
}

// Writes, syncs and checks the temporary file, sets its permissions, then renames it over the
// destination.
Result<void> fillAndRename(Temporary &temporary, const struct stat &existing,
                           const QByteArray &bytes, const platform::Verify &verify)
{
    const Destination &to = temporary.to;
    if (!posix::writeAll(temporary.file.fd, bytes) || ::fsync(temporary.file.fd) != 0)
        return to.cannotWrite(errno);

    if (Result<void> verified = verify(temporary.path()); !verified)
        return verified;

    takeOverPermissions(temporary.file.fd, existing);
    if (!temporary.file.close())
        return to.cannotWrite(errno);
    if (const int signal = Interruptions::arrived())
        return Failure {QStringLiteral("Cannot write %1: interrupted (%2); the file was left as "
                                       "it was.")
                            .arg(to.shown, QString::fromLocal8Bit(::strsignal(signal)))};

    if (::renameat(to.folder.fd, temporary.name.constData(), to.folder.fd, to.name.constData())
        != 0)
        return Failure {QStringLiteral("Cannot replace %1: %2").arg(to.shown, systemText(errno))};
    temporary.renamed = true;
    return {};
}

} // namespace

Result<void> platform::replaceFile(const QString &path, const QByteArray &bytes,
                                   const Verify &verify)
{
    const QFileInfo info(path);
    // The folder as given: a relative one is the working folder's, whose name need not be
    // valid text (the command line enters such a folder); messages name it whole.
    Destination to {shown(path),
                    QDir::toNativeSeparators(info.absolutePath()),
                    info.path(),
                    QFile::encodeName(info.fileName()),
                    {}};
    if (Result<void> opened = openFolder(to); !opened)
        return opened;
    const Result<struct stat> existing = inspectExisting(to);
    if (!existing)
        return existing.failure();
    removeStaleTemporaries(to);

    static std::mutex writing;
    const std::lock_guard<std::mutex> oneAtATime(writing);
    const Interruptions interruptions;
    Temporary temporary {to, {}, {}};
    if (Result<void> created = create(temporary); !created)
        return created;
    Result<void> written = fillAndRename(temporary, *existing, bytes, verify);
    if (!written) {
        if (!temporary.renamed && ::unlinkat(to.folder.fd, temporary.name.constData(), 0) != 0)
            return Failure {
                written.reason()
                + QStringLiteral("\nCannot remove the temporary file %1: %2")
                      .arg(QDir::toNativeSeparators(temporary.path()), systemText(errno))};
        return written;
    }

    // The rename is on the card once the folder is synced. A filesystem that cannot sync a
    // folder (EINVAL) keeps its folders in step by itself.
    if (::fsync(to.folder.fd) != 0 && errno != EINVAL)
        return Failure {QStringLiteral("Cannot sync the folder %1: %2\n%3 has been replaced, but "
                                       "the card may not keep it; write it again.")
                            .arg(to.folderShown, systemText(errno), to.shown)};
    return {};
}

Result<QByteArray> platform::readFromCard(const QString &path)
{
    // O_NONBLOCK: should anything but the regular file written stand there now, opening it
    // must not wait.
    const posix::Descriptor file {::open(QFile::encodeName(path).constData(),
                                         O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC)};
    struct stat info = {};
    if (!file.isOpen() || ::fstat(file.fd, &info) != 0)
        return Failure {systemText(errno)};
    if (!S_ISREG(info.st_mode))
        return Failure {QStringLiteral("it is %1, not a regular file")
                            .arg(posix::nonRegularFileKind(info.st_mode))};
        // The file is synced, so dropping its pages from the cache makes the reads below come
        // from the card. It is advice: a filesystem that keeps its files in memory ignores it.
#ifdef POSIX_FADV_DONTNEED
    ::posix_fadvise(file.fd, 0, 0, POSIX_FADV_DONTNEED);
#endif
    QByteArray bytes;
    if (!posix::readUpTo(file.fd, qsizetype(info.st_size), &bytes))
        return Failure {systemText(errno)};
    return bytes;
}
