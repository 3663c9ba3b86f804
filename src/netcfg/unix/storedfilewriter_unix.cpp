// The card writer's system half on POSIX systems: everything happens in the destination's
// folder, opened once, so that a folder renamed or replaced meanwhile cannot redirect the write.
#include "netcfg/platformfiles.h"
#include "netcfg/storedfilewriter.h"
#include "netcfg/unix/posixio.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <atomic>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstring>
#include <ctime>
#include <dirent.h>
#include <fcntl.h>
#include <pthread.h>
#include <semaphore.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

using platform::CardWrite;

namespace {

// Whether the temporary file of the write going on is locked: false on a card that keeps no
// locks, where the next write cannot tell that its writer is gone (cardDoesNotAnswer()).
std::atomic<bool> g_temporaryLocked {true};

// Whether name, in the folder, is the file open at fd.
bool isNamed(int folder, const char *name, int fd)
{
    struct stat named = {}, opened = {};
    return ::fstatat(folder, name, &named, AT_SYMLINK_NOFOLLOW) == 0 && ::fstat(fd, &opened) == 0
        && named.st_dev == opened.st_dev && named.st_ino == opened.st_ino;
}

} // namespace

struct CardWrite::System
{
    QString folderPath; // as given: a relative one is the working folder's
    QByteArray name;
    posix::Descriptor folder;
    struct stat existing = {}; // st_mode 0: nothing stands there
    QByteArray temporary;
    posix::Descriptor file;
    posix::Descriptor held; // file's lock, kept when file is closed, until the file is replaced
};

CardWrite::CardWrite(const QString &path)
    : m(new System)
{
    // A relative folder is the working folder's, whose name need not be valid text (the command
    // line enters such a folder).
    const QFileInfo info(path);
    m->folderPath = info.path();
    m->name = QFile::encodeName(info.fileName());
}

CardWrite::~CardWrite() = default;

CardWrite::Code CardWrite::openFolder()
{
    if (m->name.isEmpty())
        return EISDIR;
    m->folder.fd
        = ::open(QFile::encodeName(m->folderPath).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    return m->folder.isOpen() ? 0 : errno;
}

// Looked at without opening it: opening a FIFO waits for a writer, and a device may never end.
CardWrite::Standing CardWrite::inspect()
{
    if (::fstatat(m->folder.fd, m->name.constData(), &m->existing, AT_SYMLINK_NOFOLLOW) != 0) {
        const int code = errno;
        m->existing = {};
        if (code != ENOENT)
            return {Standing::Unknown, {}, Code(code)};
        return {Standing::Nothing, {}, 0};
    }
    if (!S_ISREG(m->existing.st_mode))
        return {Standing::NotAFile, posix::nonRegularFileKind(m->existing.st_mode), 0};
    // A file nobody may write (the read-only attribute on a FAT card) counts even for root.
    if ((m->existing.st_mode & 0222) == 0
        || (::faccessat(m->folder.fd, m->name.constData(), W_OK, AT_EACCESS | AT_SYMLINK_NOFOLLOW)
                != 0
            && errno == EACCES))
        return {Standing::WriteProtected, {}, EACCES};
    return {Standing::ReplaceableFile, {}, 0};
}

// Names are looked at in the folder opened, and unlinkat() removes an entry without following
// it. A writer holds its temporary file's lock while it lives: a lock that can be taken is a
// killed run's. A card that keeps no locks refuses to take one (ENOLCK, EOPNOTSUPP, ...), and a
// file that this user may not open cannot be asked.
void CardWrite::removeStale(const std::function<bool(const QString &)> &isTemporary,
                            const std::function<bool(Writer, qint64)> &stale)
{
    const int listed = ::openat(m->folder.fd, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    DIR *folder = listed >= 0 ? ::fdopendir(listed) : nullptr;
    if (!folder) {
        if (listed >= 0)
            ::close(listed);
        return;
    }
    const time_t now = ::time(nullptr);
    while (const dirent *entry = ::readdir(folder)) {
        struct stat info = {};
        if (!isTemporary(QFile::decodeName(entry->d_name))
            || ::fstatat(m->folder.fd, entry->d_name, &info, AT_SYMLINK_NOFOLLOW) != 0
            || !S_ISREG(info.st_mode) || info.st_uid != ::geteuid())
            continue;
        const posix::Descriptor file {
            ::openat(m->folder.fd, entry->d_name, O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC)};
        Writer writer = Writer::Unknown;
        if (file.isOpen() && ::flock(file.fd, LOCK_EX | LOCK_NB) == 0)
            writer = isNamed(m->folder.fd, entry->d_name, file.fd) ? Writer::Gone : Writer::Unknown;
        else if (file.isOpen() && errno == EWOULDBLOCK)
            writer = Writer::Writing;
        if (stale(writer, qint64(now - info.st_mtime) * 1000))
            ::unlinkat(m->folder.fd, entry->d_name, 0);
    }
    ::closedir(folder);
}

// The lock is taken on a descriptor of its own, which stays open once the file is closed. Between
// the file's creation and its lock, another write may take the lock, for a killed run's: this
// name is then given up, as a name taken is.
CardWrite::Code CardWrite::create(const QString &name)
{
    m->temporary = QFile::encodeName(name);
    const char *temporary = m->temporary.constData();
    // Only its owner may open it: it holds the new passwords before its final mode is set.
    m->file.fd = ::openat(m->folder.fd, temporary,
                          O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
    int code = m->file.isOpen() ? 0 : errno;
    if (!code) {
        m->held.fd = ::fcntl(m->file.fd, F_DUPFD_CLOEXEC, 0);
        code = m->held.isOpen() ? 0 : errno;
    }
    if (!code) {
        g_temporaryLocked = ::flock(m->held.fd, LOCK_EX | LOCK_NB) == 0;
        if ((!g_temporaryLocked && errno == EWOULDBLOCK)
            || !isNamed(m->folder.fd, temporary, m->file.fd))
            code = EEXIST;
    }
    if (code) {
        if (m->file.isOpen() && isNamed(m->folder.fd, temporary, m->file.fd))
            ::unlinkat(m->folder.fd, temporary, 0);
        (void)m->held.close();
        (void)m->file.close();
        m->temporary.clear();
    }
    return code;
}

CardWrite::Code CardWrite::write(const QByteArray &bytes)
{
    return posix::writeAll(m->file.fd, bytes) ? 0 : errno;
}

CardWrite::Code CardWrite::sync()
{
    return ::fsync(m->file.fd) == 0 ? 0 : errno;
}

Result<QByteArray> CardWrite::readTemporary() const
{
    // Through the folder opened, as every other step. O_NONBLOCK: should anything but the
    // regular file written stand there now, opening it must not wait.
    const posix::Descriptor file {::openat(m->folder.fd, m->temporary.constData(),
                                           O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC)};
    struct stat info = {};
    if (!file.isOpen() || ::fstat(file.fd, &info) != 0)
        return Failure {posix::systemText(errno)};
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
        return Failure {posix::systemText(errno)};
    return bytes;
}

// The owner is kept where the process may set it (root); otherwise the group alone where it
// may, and a group other than the old file's gets no more than everybody else had. A new file
// gets 0666 less the umask. A card without owners or modes (FAT) refuses or ignores these
// calls: a refusal leaves the file narrower than meant, never wider, so it fails nothing.
void CardWrite::takeOverPermissions()
{
    const int fd = m->file.fd;
    const struct stat &existing = m->existing;
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

CardWrite::Code CardWrite::close()
{
    return m->file.close() ? 0 : errno;
}

CardWrite::Code CardWrite::replace()
{
    if (::renameat(m->folder.fd, m->temporary.constData(), m->folder.fd, m->name.constData()) != 0)
        return errno;
    m->temporary.clear();
    (void)m->held.close(); // the lock is NET.CFG's now
    return 0;
}

CardWrite::Code CardWrite::removeTemporary()
{
    if (m->temporary.isEmpty() || ::unlinkat(m->folder.fd, m->temporary.constData(), 0) == 0)
        return 0;
    return errno;
}

// A filesystem that cannot sync a folder (EINVAL) keeps its folders in step by itself.
CardWrite::Code CardWrite::syncFolder()
{
    return ::fsync(m->folder.fd) == 0 || errno == EINVAL ? 0 : errno;
}

QString CardWrite::temporaryShown() const
{
    return QDir::toNativeSeparators(m->folderPath + u'/' + QFile::decodeName(m->temporary));
}

QString CardWrite::systemText(Code code)
{
    return posix::systemText(int(code));
}

bool CardWrite::deniesAccess(Code code)
{
    return code == EACCES || code == EPERM;
}

bool CardWrite::exists(Code code)
{
    return code == EEXIST;
}

// While the signals are held, a handler notes the first and asks the write to stop; a watcher
// thread then gives the write kStopGrace before it ends the program by that signal's default
// action. A thread that waits in the kernel for a card that does not answer takes no signal:
// the signal stays pending, and no handler can run; the watcher, which blocks them, finds it
// there and takes it itself. A second one ends the program at once. SIGXFSZ is ignored
// meanwhile, so that a file-size limit fails the write with EFBIG instead of ending the program
// with the temporary file left.
namespace {

constexpr int kCount = 4;
constexpr int kHeld[kCount] = {SIGINT, SIGTERM, SIGHUP, SIGQUIT};
// How often the watcher looks for a signal that no thread takes.
constexpr std::chrono::milliseconds kLook {50};

bool g_holding[kCount] = {}; // one the program ignores is left alone
struct sigaction g_previous[kCount] = {};
struct sigaction g_previousSizeLimit = {};
volatile sig_atomic_t g_first = 0; // the first that arrived; 0: none yet
std::atomic<bool> g_over {false};
sem_t g_wake; // posted by the first that arrives, and when the write is over
pthread_t g_watcher;
bool g_watching = false;
// cardDoesNotAnswer()'s lines, ready for a handler: [0] for a temporary file locked, [1] not
const QByteArray *g_noAnswer[2] = {};

// Says that the card does not answer and ends the program by the signal's default action.
// Safe in a signal handler.
[[noreturn]] void abandon(int signal)
{
    const QByteArray *line = g_noAnswer[g_temporaryLocked ? 0 : 1];
    (void)!::write(STDERR_FILENO, line->constData(), size_t(line->size()));
    struct sigaction byDefault = {};
    byDefault.sa_handler = SIG_DFL;
    ::sigaction(signal, &byDefault, nullptr);
    sigset_t only;
    sigemptyset(&only);
    sigaddset(&only, signal);
    ::pthread_sigmask(SIG_UNBLOCK, &only, nullptr);
    ::raise(signal);
    ::_exit(128 + signal);
}

void note(int signal)
{
    if (g_first != 0)
        abandon(signal);
    g_first = signal;
    ::sem_post(&g_wake);
}

// A held signal sent to the process that no thread has taken; 0 for none.
int pendingSignal()
{
    sigset_t pending;
    sigemptyset(&pending);
    ::sigpending(&pending);
    for (int i = 0; i < kCount; ++i) {
        if (g_holding[i] && sigismember(&pending, kHeld[i]))
            return kHeld[i];
    }
    return 0;
}

// Waits until the semaphore is posted or kLook has passed.
void waitAWhile()
{
    timespec until = {};
    ::clock_gettime(CLOCK_REALTIME, &until);
    until.tv_nsec += std::chrono::nanoseconds(kLook).count();
    until.tv_sec += until.tv_nsec / 1'000'000'000;
    until.tv_nsec %= 1'000'000'000;
    while (::sem_timedwait(&g_wake, &until) != 0 && errno == EINTR) { }
}

void *watch(void *)
{
    // The first: noted by the handler, or pending at two looks in a row and then taken here.
    for (int seen = 0; g_first == 0; waitAWhile()) {
        if (g_over)
            return nullptr;
        const int pending = pendingSignal();
        sigset_t only;
        sigemptyset(&only);
        sigaddset(&only, pending);
        const timespec now = {};
        if (pending != 0 && pending == seen && ::sigtimedwait(&only, nullptr, &now) == pending
            && g_first == 0)
            g_first = pending;
        seen = pending;
    }
    const auto deadline = std::chrono::steady_clock::now() + StoredFileWriter::kStopGrace;
    while (!StoredFileWriter::stop(kLook)) {
        if (const int again = pendingSignal(); again != 0)
            abandon(again);
        if (std::chrono::steady_clock::now() >= deadline)
            abandon(g_first);
    }
    return nullptr;
}

} // namespace

platform::HeldInterruptions::HeldInterruptions()
{
    static const QByteArray locked = (kCardDoesNotAnswer + u'\n').toLocal8Bit();
    static const QByteArray unlocked = (kCardDoesNotAnswerKeepingNoLocks + u'\n').toLocal8Bit();
    static const bool semaphore = ::sem_init(&g_wake, 0, 0) == 0;
    g_noAnswer[0] = &locked;
    g_noAnswer[1] = &unlocked;
    g_first = 0;
    g_over = false;
    while (::sem_trywait(&g_wake) == 0) { }

    struct sigaction noting = {};
    noting.sa_handler = &note;
    noting.sa_flags = SA_RESTART;
    sigemptyset(&noting.sa_mask);
    for (const int signal : kHeld)
        sigaddset(&noting.sa_mask, signal);
    for (int i = 0; i < kCount; ++i) {
        ::sigaction(kHeld[i], nullptr, &g_previous[i]);
        g_holding[i] = g_previous[i].sa_handler != SIG_IGN;
        if (g_holding[i])
            ::sigaction(kHeld[i], &noting, nullptr);
    }
    struct sigaction ignoring = {};
    ignoring.sa_handler = SIG_IGN;
    ::sigaction(SIGXFSZ, &ignoring, &g_previousSizeLimit);
    // The watcher blocks them from its start; without it, a card that does not answer keeps the
    // program waiting as long.
    sigset_t mask;
    ::pthread_sigmask(SIG_BLOCK, &noting.sa_mask, &mask);
    g_watching = semaphore && ::pthread_create(&g_watcher, nullptr, &watch, nullptr) == 0;
    ::pthread_sigmask(SIG_SETMASK, &mask, nullptr);
}

platform::HeldInterruptions::~HeldInterruptions()
{
    if (g_watching) {
        g_over = true;
        ::sem_post(&g_wake);
        ::pthread_join(g_watcher, nullptr);
    }
    ::sigaction(SIGXFSZ, &g_previousSizeLimit, nullptr);
    for (int i = 0; i < kCount; ++i) {
        if (g_holding[i])
            ::sigaction(kHeld[i], &g_previous[i], nullptr);
    }
    if (const int signal = std::exchange(g_first, 0); signal != 0)
        ::raise(signal);
}

std::optional<QString> platform::HeldInterruptions::arrived()
{
    if (const int signal = g_first; signal != 0)
        return QString::fromLocal8Bit(::strsignal(signal));
    return std::nullopt;
}

QString StoredFileWriter::cardDoesNotAnswer()
{
    return g_temporaryLocked ? kCardDoesNotAnswer : kCardDoesNotAnswerKeepingNoLocks;
}
