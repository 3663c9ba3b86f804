#include "common/cardsnapshot.h"
#include "netcfg/readnetcfg.h"
#include "netcfg/storedfilewriter.h"

#include <QElapsedTimer>
#include <QProcess>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <grp.h>
#include <linux/capability.h>
#include <pwd.h>
#include <sys/mount.h>
#include <sys/prctl.h>
#include <sys/ptrace.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/statfs.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

// A card mounted on a folder for one test and unmounted when it goes: a 64 KiB tmpfs, or a
// FAT32 or exFAT image through FUSE, as cameras have them; nothing for "". A card that cannot
// be mounted here (not root, no FUSE or loop device, a container that allows no mounts) is a
// reason to skip, not a failure.
class Card
{
public:
    Card(const QString &filesystem, const QString &at)
        : m_at(QFile::encodeName(at))
    {
        // FAT32 takes 65525 clusters at least: 33 MiB of 512 bytes, all but the first 64 KiB or
        // so marked bad so that it fills as fast as the tmpfs card. exfat-fuse mounts block
        // devices only: the loop device goes once the card is unmounted.
        static const QMap<QString, QString> make {
            {"FAT32",
             "truncate -s 33M card && seq 600 33791 >bad && mkfs.vfat -F 32 -s 1 -l bad "
             "card && fusefat -o rw+ card \"$1\" >/dev/null"},
            {"exFAT",
             "truncate -s 4M card && mkfs.exfat card || exit 1; loop=$(losetup -f --show "
             "card) || exit 77; mount.exfat-fuse \"$loop\" \"$1\" >/dev/null; losetup -d "
             "\"$loop\""}};
        if (filesystem.isEmpty())
            return;
        skip = ::geteuid() != 0 || (filesystem != "tmpfs" && !QFile::exists("/dev/fuse"));
        if (skip) {
            failure = "Mounting a card needs root and, for FAT, FUSE.";
        } else if (filesystem == "tmpfs") {
            m_mounted = ::mount("tmpfs", m_at, "tmpfs", 0, "size=64k") == 0;
            failure = m_mounted ? "" : std::strerror(errno);
            skip = errno == EPERM;
        } else {
            QProcess shell;
            shell.setWorkingDirectory(m_images.path());
            shell.start("sh", {"-c", "PATH=/usr/sbin:/sbin:$PATH; " + make[filesystem], "sh", at});
            shell.waitForFinished(20000); // ~QProcess kills it
            struct statfs mounted = {};
            m_mounted = ::statfs(m_at, &mounted) == 0 && mounted.f_type == 0x65735546; // FUSE
            skip = shell.exitCode() == 77;
            failure = m_mounted
                ? ""
                : "No " + filesystem.toUtf8() + " card (install tools/common.sh's test_packages): "
                    + shell.readAllStandardError();
        }
    }
    Card(const Card &) = delete;
    Card &operator=(const Card &) = delete;
    ~Card()
    {
        resumeDaemon();
        if (m_mounted)
            ::umount2(m_at, MNT_DETACH); // a FUSE daemon then ends by itself
    }

    bool readOnly()
    {
        return ::mount(nullptr, m_at, nullptr, MS_REMOUNT | MS_RDONLY, nullptr) == 0;
    }

    // Stops the card's FUSE daemon (the process with the mount point among its arguments), so
    // that the card answers nothing; true once every thread of it has stopped.
    bool stopDaemon()
    {
        for (const QString &entry : QDir("/proc").entryList(QDir::Dirs)) {
            if (contents("/proc/" + entry + "/cmdline").split('\0').contains(m_at))
                m_daemon = entry.toInt();
        }
        const QString tasks = QStringLiteral("/proc/%1/task/").arg(m_daemon);
        const auto stopped = [&] {
            const QStringList all = QDir(tasks).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
            return !all.isEmpty() && std::all_of(all.begin(), all.end(), [&](const QString &task) {
                return contents(tasks + task + "/stat").split(' ').value(2) == "T";
            });
        };
        if (m_daemon <= 0 || ::kill(m_daemon, SIGSTOP) != 0)
            return false;
        for (int i = 0; i < 500 && !stopped(); ++i)
            QTest::qSleep(10);
        return stopped();
    }
    void resumeDaemon()
    {
        if (m_daemon > 0)
            ::kill(std::exchange(m_daemon, 0), SIGCONT);
    }

    QByteArray failure;
    bool skip = false;

private:
    QByteArray m_at;
    QTemporaryDir m_images;
    bool m_mounted = false;
    pid_t m_daemon = 0;
};

// Whether the process is ending: its threads are leaving (PF_EXITING), or it has ended.
bool exiting(pid_t pid)
{
    const QByteArray stat = contents(QStringLiteral("/proc/%1/stat").arg(pid));
    const QList<QByteArray> fields = stat.mid(stat.lastIndexOf(')') + 2).split(' ');
    return fields.size() > 6 && (fields[0] == "Z" || (fields[6].toULong() & 0x4) != 0);
}

// A card writer that something disturbs while it reads the temporary file back.
class DisturbedWriter : public StoredFileWriter
{
public:
    std::function<void()> disturb;

protected:
    Result<QByteArray> readBack(const platform::CardWrite &card) override
    {
        disturb();
        return StoredFileWriter::readBack(card);
    }
};

} // namespace

class TestCardWrite : public QObject
{
    Q_OBJECT

private slots:
    void shouldFailAndLeaveTheCardAsItWas_data();
    void shouldFailAndLeaveTheCardAsItWas();
    void shouldWriteWithTheOwnerAndModeTheFileHad_data();
    void shouldWriteWithTheOwnerAndModeTheFileHad();
    void shouldLetNoOtherUserOpenTheTemporaryFile();
    void shouldLeaveTheCardAsItWasWhenDisturbedAtTheSync_data();
    void shouldLeaveTheCardAsItWasWhenDisturbedAtTheSync();
    void shouldRemoveOnlyStaleTemporaryFilesOfItsOwn_data();
    void shouldRemoveOnlyStaleTemporaryFilesOfItsOwn();
    void shouldStopOnlyWhenAsked_data();
    void shouldStopOnlyWhenAsked();
};

void TestCardWrite::shouldFailAndLeaveTheCardAsItWas_data()
{
    QTest::addColumn<QString>("card"); // empty: a folder on disk
    QTest::addColumn<QString>("netCfg"); // what stands at NET.CFG
    QTest::addColumn<int>("fileSizeLimit"); // 0: none
    QTest::addColumn<QString>("reason"); // %1: the card's folder

    // clang-format off
    QTest::newRow("file size limit") << "" << "file" << 64
        << "Cannot write %1/NET.CFG: File too large";
    QTest::newRow("full card") << "full tmpfs" << "file" << 0
        << "Cannot write %1/NET.CFG: No space left on device";
    QTest::newRow("full FAT32 card") << "full FAT32" << "file" << 0 // as fusefat says it
        << "Cannot write %1/NET.CFG: Operation not permitted";
    QTest::newRow("full exFAT card") << "full exFAT" << "file" << 0
        << "Cannot write %1/NET.CFG: No space left on device";
    QTest::newRow("read-only card") << "read-only tmpfs" << "file" << 0
        << "Cannot write %1/NET.CFG: Read-only file system";
    QTest::newRow("read-only FAT32 card") << "read-only FAT32" << "file" << 0
        << "Cannot write %1/NET.CFG: Read-only file system";
    QTest::newRow("read-only exFAT card") << "read-only exFAT" << "file" << 0
        << "Cannot write %1/NET.CFG: Read-only file system";
    QTest::newRow("write-protected file") << "" << "0444 file" << 0
        << "Cannot replace %1/NET.CFG: the file is write-protected (Permission denied).";
    QTest::newRow("write-protected folder") << "" << "file in 0555 folder" << 0
        << "Cannot write %1/NET.CFG: no file can be created in the folder %1 (Permission denied).";
    QTest::newRow("FIFO") << "" << "fifo" << 0
        << "Cannot replace %1/NET.CFG: it is a FIFO, not a regular file.";
    QTest::newRow("folder") << "" << "folder" << 0
        << "Cannot replace %1/NET.CFG: it is a folder, not a regular file.";
    QTest::newRow("link to /dev/zero") << "" << "->/dev/zero" << 0
        << "Cannot replace %1/NET.CFG: it is a symbolic link, not a regular file.";
    QTest::newRow("link to a file") << "" << "->old.txt" << 0
        << "Cannot replace %1/NET.CFG: it is a symbolic link, not a regular file.";
    QTest::newRow("link to a folder") << "" << "->.." << 0
        << "Cannot replace %1/NET.CFG: it is a symbolic link, not a regular file.";
    // clang-format on
}

void TestCardWrite::shouldFailAndLeaveTheCardAsItWas()
{
    QFETCH(QString, card);
    QFETCH(QString, netCfg);
    QFETCH(int, fileSizeLimit);
    QFETCH(QString, reason);
    QTemporaryDir dir;
    const QString target = dir.filePath("NET.CFG");
    const QByteArray at = QFile::encodeName(dir.path());
    Card mounted(card.section(u' ', 1), dir.path());
    if (mounted.skip)
        QSKIP(mounted.failure);
    QVERIFY2(mounted.failure.isEmpty(), mounted.failure);
    const auto restore = qScopeGuard([&] { ::chmod(at, 0700); });
    put(dir.filePath("old.txt"), "old");
    if (netCfg.startsWith("->"))
        QVERIFY(QFile::link(netCfg.mid(2), target));
    else if (netCfg == "fifo")
        QCOMPARE(::mkfifo(QFile::encodeName(target), 0644), 0);
    else if (netCfg == "folder")
        QVERIFY(QDir(dir.path()).mkdir("NET.CFG"));
    else
        put(target, "[MMS]\r\nPhone1=+1");
    if (netCfg == "0444 file")
        QCOMPARE(::chmod(QFile::encodeName(target), 0444), 0);
    QFile filler(dir.filePath("filler"));
    QVERIFY(!card.startsWith("full") || filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
    while (filler.isOpen() && filler.write(QByteArray(4096, 'f')) > 0) { }
    filler.close();
    QVERIFY(!card.startsWith("read-only") || mounted.readOnly());
    const QMap<QString, QByteArray> before = snapshot(dir.path());
    const bool asUser = netCfg == "file in 0555 folder";
    QVERIFY(!asUser || ::chmod(at, 0555) == 0);

    QProcess child;
    child.setChildProcessModifier([fileSizeLimit, asUser] {
        // SIGXFSZ keeps its default action: the writer must not end by it.
        const rlimit limit {rlim_t(fileSizeLimit), rlim_t(fileSizeLimit)};
        if (fileSizeLimit > 0)
            ::setrlimit(RLIMIT_FSIZE, &limit);
        // Root, too, meets the folder's permissions (a write-protected file is refused even so).
        if (asUser)
            ::prctl(PR_CAPBSET_DROP, CAP_DAC_OVERRIDE, 0, 0, 0);
    });
    child.start(CARDWRITE_CHILD, {target});
    QVERIFY2(child.waitForFinished(10000), "The writer hangs."); // ~QProcess kills it
    QCOMPARE(child.exitStatus(), QProcess::NormalExit);
    QCOMPARE(QString::fromUtf8(child.readAllStandardOutput()), reason.arg(dir.path()));
    QCOMPARE(child.exitCode(), 1); // the child's write returned false: no success
    QCOMPARE(snapshot(dir.path()), before); // the same files and bytes, no temporary file
}

void TestCardWrite::shouldWriteWithTheOwnerAndModeTheFileHad_data()
{
    QTest::addColumn<QString>("card"); // empty: a folder on disk
    QTest::addColumn<QString>("old"); // NET.CFG's mode and owner; "file": the card's; "": none
    QTest::addColumn<int>("umask");
    QTest::addColumn<bool>("mayChown"); // false: the writer lacks CAP_CHOWN
    QTest::addColumn<QString>("written");

    // clang-format off
    QTest::newRow("new, umask 022")      << ""      << ""                    << 022 << true  << "0644 root:root";
    QTest::newRow("new, umask 027")      << ""      << ""                    << 027 << true  << "0640 root:root";
    QTest::newRow("a user's")            << ""      << "0600 nobody:nogroup" << 022 << true  << "0600 nobody:nogroup";
    QTest::newRow("a user's, group root") << ""     << "0640 nobody:root"    << 077 << true  << "0640 nobody:root";
    // Root's group is not nogroup: it may read no more than others could.
    QTest::newRow("group not kept")      << ""      << "0664 nobody:nogroup" << 022 << false << "0644 root:root";
    // FUSE shows every file of a FAT card alike and keeps no mode or owner.
    QTest::newRow("new on FAT32")        << "FAT32" << ""                    << 022 << true  << "0700 root:root";
    QTest::newRow("replacing on FAT32")  << "FAT32" << "file"                << 022 << true  << "0700 root:root";
    QTest::newRow("new on exFAT")        << "exFAT" << ""                    << 022 << true  << "0777 root:root";
    QTest::newRow("replacing on exFAT")  << "exFAT" << "file"                << 022 << true  << "0777 root:root";
    // clang-format on
}

void TestCardWrite::shouldWriteWithTheOwnerAndModeTheFileHad()
{
    QFETCH(QString, card);
    QFETCH(QString, old);
    QFETCH(int, umask);
    QFETCH(bool, mayChown);
    QFETCH(QString, written);
    if (::geteuid() != 0)
        QSKIP("Owners are given by root only.");
    QTemporaryDir dir;
    const Card mounted(card, dir.path());
    if (mounted.skip)
        QSKIP(mounted.failure);
    QVERIFY2(mounted.failure.isEmpty(), mounted.failure);
    const QString target = dir.filePath("NET.CFG");
    const QByteArray path = QFile::encodeName(target);
    put(dir.filePath("old.txt"), "old");
    if (!old.isEmpty())
        put(target, "[MMS]\r\nPhone1=+1");
    if (const QStringList owner = old.section(u' ', 1).split(u':'); owner.size() == 2) {
        const passwd *user = ::getpwnam(qPrintable(owner[0]));
        const group *group = ::getgrnam(qPrintable(owner[1]));
        QVERIFY(user && group);
        QCOMPARE(::chown(path, user->pw_uid, group->gr_gid), 0);
        QCOMPARE(::chmod(path, old.section(u' ', 0, 0).toUInt(nullptr, 8)), 0);
    }
    QMap<QString, QByteArray> before = snapshot(dir.path());
    before.remove(target);

    QProcess child;
    child.setChildProcessModifier([umask, mayChown] {
        ::umask(mode_t(umask));
        if (!mayChown)
            ::prctl(PR_CAPBSET_DROP, CAP_CHOWN, 0, 0, 0);
    });
    child.start(CARDWRITE_CHILD, {target});
    QVERIFY2(child.waitForFinished(10000), "The writer hangs."); // ~QProcess kills it
    QVERIFY2(child.exitStatus() == QProcess::NormalExit && child.exitCode() == 0,
             child.readAllStandardOutput());
    QMap<QString, QByteArray> after = snapshot(dir.path());
    QCOMPARE(after.remove(target), 1);
    QCOMPARE(after, before); // nothing else changed, no temporary file
    const Result<NetCfgFile> read = ReadNetCfg(target);
    QVERIFY2(read, qPrintable(read.reason()));
    QCOMPARE(std::get<MmsSettings>(read->settings).APNPassword, "s3cret");
    struct stat info = {};
    QCOMPARE(::stat(path, &info), 0);
    const QFileInfo file(target);
    QCOMPARE(QStringLiteral("%1 %2:%3")
                 .arg(info.st_mode & 07777, 4, 8, QLatin1Char('0'))
                 .arg(file.owner(), file.group()),
             written);
}

void TestCardWrite::shouldLetNoOtherUserOpenTheTemporaryFile()
{
    if (::geteuid() != 0)
        QSKIP("Watching as another user needs root (runuser).");
    QTemporaryDir dir;
    QCOMPARE(::chmod(QFile::encodeName(dir.path()), 0755), 0); // nobody may look in
    const QString target = dir.filePath("NET.CFG");
    put(target, "old");
    QCOMPARE(::chmod(QFile::encodeName(target), 0600), 0);

    // A copy of the child that nobody may run, wherever the build tree is.
    QTemporaryDir bin;
    const QString watch = bin.filePath("watch");
    QVERIFY(QFile::copy(CARDWRITE_CHILD, watch));
    QCOMPARE(::chmod(QFile::encodeName(bin.path()), 0755), 0);
    QProcess watcher;
    watcher.start("runuser", {"-u", "nobody", "--", watch, "watch", dir.path(), "50"});
    // runuser passes SIGTERM on to the watcher; SIGKILL would leave the watcher running.
    const auto stop = qScopeGuard([&] {
        watcher.terminate();
        watcher.waitForFinished(5000);
    });
    QVERIFY2(watcher.waitForReadyRead(10000), watcher.readAllStandardError());
    QCOMPARE(watcher.readLine(), "watching\n");
    for (int i = 0; i < 50; ++i) {
        const Result<void> written = StoredFileWriter().write(target, "APNPassword=s3cret");
        QVERIFY2(written, qPrintable(written.reason()));
    }
    QVERIFY2(watcher.waitForFinished(20000), "The watcher hangs.");
    QCOMPARE(watcher.readAll(), "50 created, 0 opened");
    QCOMPARE(snapshot(dir.path()), (QMap<QString, QByteArray> {{target, "APNPassword=s3cret"}}));
}

void TestCardWrite::shouldLeaveTheCardAsItWasWhenDisturbedAtTheSync_data()
{
    QTest::addColumn<QString>("card"); // empty: a folder on disk
    QTest::addColumn<QString>("disturbance"); // what is done to the card, if anything
    QTest::addColumn<QList<int>>("sent"); // sent then; the last one ends the writer
    QTest::addColumn<QString>("said"); // %1: the card's folder

    const QString noAnswer = "The card does not answer; a temporary file may remain on it and "
                             "is removed by the next write.\n";
    // clang-format off
    QTest::newRow("SIGINT")  << "" << "" << QList<int> {SIGINT}  << "";
    QTest::newRow("SIGTERM") << "" << "" << QList<int> {SIGTERM} << "";
    QTest::newRow("SIGQUIT") << "" << "" << QList<int> {SIGQUIT} << "";
    // The folder renamed away, its temporary file spoiled, and a link to a decoy folder with a
    // good copy put in its place: the read-back goes through the folder opened, not the path.
    QTest::newRow("folder swapped") << "" << "swap" << QList<int> {}
        << "The card does not give back what was written for %1/NET.CFG; the file was left as "
           "it was.";
    // The card's FUSE daemon stopped, so that the sync waits for it: 2 s for the write to end
    // after the first signal, none after a second.
    QTest::newRow("card stops answering") << "FAT32" << "stop" << QList<int> {SIGTERM} << noAnswer;
    QTest::newRow("card stops answering, signal again") << "FAT32" << "stop"
        << QList<int> {SIGTERM, SIGINT} << noAnswer;
    // clang-format on
}

// The child runs under ptrace from system call to system call until it enters the sync of its
// temporary file; there it is disturbed, and runs on untraced.
void TestCardWrite::shouldLeaveTheCardAsItWasWhenDisturbedAtTheSync()
{
    QFETCH(QString, card);
    QFETCH(QString, disturbance);
    QFETCH(QList<int>, sent);
    QFETCH(QString, said);
    QTemporaryDir dir;
    const QString folder = dir.filePath("card"), moved = dir.filePath("moved");
    QVERIFY(QDir(dir.path()).mkdir("card"));
    Card mounted(card, folder);
    if (mounted.skip)
        QSKIP(mounted.failure);
    QVERIFY2(mounted.failure.isEmpty(), mounted.failure);
    const QByteArray program = CARDWRITE_CHILD, target = QFile::encodeName(folder + "/NET.CFG");
    put(folder + "/NET.CFG", "old");
    const QMap<QString, QByteArray> before = snapshot(folder);
    int out[2] = {-1, -1};
    QCOMPARE(::pipe2(out, O_CLOEXEC | O_NONBLOCK), 0);

    // A wait that lasts 20 s is ended by SIGALRM.
    struct sigaction ending = {}, previous = {};
    ending.sa_handler = +[](int) {
    };
    ::sigaction(SIGALRM, &ending, &previous);
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::dup2(out[1], STDOUT_FILENO);
        ::dup2(out[1], STDERR_FILENO);
        for (const int deferred : {SIGINT, SIGTERM, SIGHUP, SIGQUIT})
            ::signal(deferred, SIG_DFL);
        const rlimit noCore {0, 0};
        ::setrlimit(RLIMIT_CORE, &noCore);
        ::ptrace(PTRACE_TRACEME, 0, nullptr, nullptr);
        ::execl(program.constData(), program.constData(), target.constData(), nullptr);
        ::_exit(127);
    }
    ::close(out[1]);
    bool reaped = pid < 0;
    ::alarm(20);
    const auto end = qScopeGuard([&] {
        ::alarm(0);
        mounted.resumeDaemon(); // a stopped card would keep the writer from ending
        if (!reaped && ::kill(pid, SIGKILL) == 0)
            ::waitpid(pid, nullptr, 0);
        ::sigaction(SIGALRM, &previous, nullptr);
        ::close(out[0]);
    });
    int status = 0;
    QVERIFY(!reaped && ::waitpid(pid, &status, 0) == pid && WIFSTOPPED(status)); // at its exec
    ::ptrace(PTRACE_SETOPTIONS, pid, nullptr,
             PTRACE_O_TRACESYSGOOD | PTRACE_O_TRACEEXEC | PTRACE_O_EXITKILL);
    QString temporary;
    for (int pass = 0; temporary.isEmpty() && ::ptrace(PTRACE_SYSCALL, pid, nullptr, pass) == 0
         && ::waitpid(pid, &status, 0) == pid && WIFSTOPPED(status);) {
        const bool traced = WSTOPSIG(status) == (SIGTRAP | 0x80) || status >> 16 != 0;
        pass = traced ? 0 : WSTOPSIG(status); // a signal of its own goes on to it
        __ptrace_syscall_info call = {};
        if (traced && ::ptrace(PTRACE_GET_SYSCALL_INFO, pid, sizeof call, &call) > 0
            && call.op == PTRACE_SYSCALL_INFO_ENTRY
            && (call.entry.nr == SYS_fsync || call.entry.nr == SYS_fdatasync))
            temporary = QFile::symLinkTarget(
                QStringLiteral("/proc/%1/fd/%2").arg(pid).arg(call.entry.args[0]));
    }
    reaped = WIFEXITED(status) || WIFSIGNALED(status);
    QVERIFY2(temporary.endsWith(".tmp"), "The writer did not sync a temporary file.");

    if (disturbance == "swap") {
        const QByteArray written = contents(temporary);
        const QString name = QFileInfo(temporary).fileName();
        QVERIFY(QDir().rename(folder, moved) && QDir().mkdir(dir.filePath("decoy")));
        QFile spoiled(moved + u'/' + name);
        QVERIFY(spoiled.open(QIODevice::WriteOnly | QIODevice::Truncate));
        QCOMPARE(spoiled.write("CORRUPT"), 7);
        spoiled.close();
        put(dir.filePath("decoy/") + name, written);
        QVERIFY(QFile::link("decoy", folder));
    } else if (disturbance == "stop") {
        QVERIFY2(mounted.stopDaemon(), "The card's FUSE daemon cannot be stopped.");
    }
    QVERIFY(sent.isEmpty() || ::kill(pid, sent.first()) == 0);
    QCOMPARE(::ptrace(PTRACE_DETACH, pid, nullptr, 0), 0);
    QByteArray output;
    const auto readOutput = [&] {
        char buffer[4096];
        for (ssize_t n; (n = ::read(out[0], buffer, sizeof buffer)) > 0;)
            output.append(buffer, n);
    };
    if (disturbance == "stop") {
        // Within the time it has said so and is ending: the kernel ended its wait for the sync.
        // Its last close still waits for the card (a FUSE flush cannot be interrupted, not even
        // by SIGKILL) until the daemon goes on.
        if (sent.size() > 1) {
            QTest::qSleep(300);
            QCOMPARE(::kill(pid, sent.last()), 0);
        }
        const int within = sent.size() > 1 ? 1000 : 3000;
        QElapsedTimer since;
        since.start();
        while (since.elapsed() < within && !(output == said.toUtf8() && exiting(pid))) {
            QTest::qSleep(20);
            readOutput();
        }
        QCOMPARE(QString::fromUtf8(output), said);
        QVERIFY2(exiting(pid),
                 qPrintable(QStringLiteral("Not ending %1 ms after the signal.").arg(within)));
        mounted.resumeDaemon();
    }
    QCOMPARE(::waitpid(pid, &status, 0), pid);
    reaped = true;
    readOutput();
    QCOMPARE(QString::fromUtf8(output), said.contains(u"%1") ? said.arg(folder) : said);
    if (!sent.isEmpty()) {
        QVERIFY2(WIFSIGNALED(status), qPrintable(QStringLiteral("status %1").arg(status)));
        QCOMPARE(WTERMSIG(status), sent.last());
    } else {
        QVERIFY(WIFEXITED(status));
        QCOMPARE(WEXITSTATUS(status), 1);
    }
    if (disturbance == "swap")
        QVERIFY(QFile::remove(folder) && QDir().rename(moved, folder));
    QMap<QString, QByteArray> after = snapshot(folder);
    if (disturbance == "stop") // as the writer said: its temporary file may remain
        after.remove(folder + u'/' + QFileInfo(temporary).fileName());
    QCOMPARE(after, before);
}

void TestCardWrite::shouldRemoveOnlyStaleTemporaryFilesOfItsOwn_data()
{
    QTest::addColumn<QString>("name"); // empty: the writer's own
    QTest::addColumn<QString>("kind");
    QTest::addColumn<int>("minutesOld");
    QTest::addColumn<bool>("removed");

    // clang-format off
    QTest::newRow("ours, stale")     << ".NET.CFG.0123456789abcdef.tmp" << "file"          << 11 << true;
    QTest::newRow("capital digits")  << ".NET.CFG.0123456789ABCDEF.tmp" << "file"          << 60 << false;
    QTest::newRow("another file's")  << ".OLD.CFG.0123456789abcdef.tmp" << "file"          << 60 << false;
    QTest::newRow("a symbolic link") << ".NET.CFG.0123456789abcdef.tmp" << "link"          << 60 << false;
    QTest::newRow("another user's")  << ".NET.CFG.0123456789abcdef.tmp" << "nobody's file" << 60 << false;
    // A writer holds its temporary file while it lives, however long it waits for the card.
    QTest::newRow("live writer's, tmpfs")   << "" << "live writer on tmpfs"   << 60 << false;
    QTest::newRow("killed writer's, tmpfs") << "" << "killed writer on tmpfs" << 0  << true;
    QTest::newRow("live writer's, FAT32")   << "" << "live writer on FAT32"   << 60 << false;
    QTest::newRow("killed writer's, FAT32") << "" << "killed writer on FAT32" << 0  << true;
    QTest::newRow("live writer's, exFAT")   << "" << "live writer on exFAT"   << 60 << false;
    QTest::newRow("killed writer's, exFAT") << "" << "killed writer on exFAT" << 0  << true;
    // clang-format on
}

void TestCardWrite::shouldRemoveOnlyStaleTemporaryFilesOfItsOwn()
{
    QFETCH(QString, name);
    QFETCH(QString, kind);
    QFETCH(int, minutesOld);
    QFETCH(bool, removed);
    if (kind == "nobody's file" && ::geteuid() != 0)
        QSKIP("Giving a file to nobody needs root.");
    QTemporaryDir dir;
    const Card mounted(kind.section(" on ", 1), dir.path());
    if (mounted.skip)
        QSKIP(mounted.failure);
    QVERIFY2(mounted.failure.isEmpty(), mounted.failure);
    const QString target = dir.filePath("NET.CFG");
    put(target, "old");
    QProcess writer; // waits at its read-back, killed there or not
    if (name.isEmpty()) {
        writer.start(CARDWRITE_CHILD, {"hold", target});
        QVERIFY(writer.waitForReadyRead(10000) && writer.readLine() == "holding\n");
        if (kind.startsWith("killed"))
            writer.kill();
        QVERIFY(!kind.startsWith("killed") || writer.waitForFinished(10000));
        name = QDir(dir.path()).entryList({".NET.CFG.*.tmp"}, QDir::Files | QDir::Hidden).value(0);
        QVERIFY(!name.isEmpty());
    }
    const QString entry = dir.filePath(name);
    if (kind == "link")
        QVERIFY(QFile::link("NET.CFG", entry));
    else if (!kind.contains("writer"))
        put(entry, "left");
    QVERIFY(kind != "nobody's file" || ::chown(QFile::encodeName(entry), 65534, 65534) == 0);
    const timespec then {::time(nullptr) - minutesOld * 60, 0}, times[2] {then, then};
    QCOMPARE(::utimensat(AT_FDCWD, QFile::encodeName(entry), times, AT_SYMLINK_NOFOLLOW), 0);
    QMap<QString, QByteArray> expected = snapshot(dir.path());
    expected[target] = "new";
    if (removed)
        expected.remove(entry);

    const Result<void> written = StoredFileWriter().write(target, "new");
    QVERIFY2(written, qPrintable(written.reason()));
    QCOMPARE(snapshot(dir.path()), expected);
}

void TestCardWrite::shouldStopOnlyWhenAsked_data()
{
    QTest::addColumn<QString>("disturbance");
    QTest::addColumn<QString>("reason"); // empty: written; %1: the card's folder

    // clang-format off
    QTest::newRow("a window stops it") << "stop()"
        << "Cannot write %1/NET.CFG: interrupted; the file was left as it was.";
    // nohup: a signal the program ignores does not stop it either.
    QTest::newRow("ignored SIGHUP") << "SIGHUP" << "";
    // clang-format on
}

void TestCardWrite::shouldStopOnlyWhenAsked()
{
    QFETCH(QString, disturbance);
    QFETCH(QString, reason);
    QTemporaryDir dir;
    const QString target = dir.filePath("NET.CFG");
    put(target, "old");
    DisturbedWriter writer;
    writer.disturb = [&] {
        if (disturbance == "SIGHUP")
            ::raise(SIGHUP);
        else // the write goes on in this thread: it cannot have ended
            QVERIFY(!StoredFileWriter::stop(std::chrono::milliseconds(0)));
    };
    const auto previous = ::signal(SIGHUP, SIG_IGN);
    const Result<void> written = writer.write(target, "new");
    ::signal(SIGHUP, previous);
    QCOMPARE(written.reason(), reason.isEmpty() ? reason : reason.arg(dir.path()));
    QCOMPARE(snapshot(dir.path()),
             (QMap<QString, QByteArray> {{target, reason.isEmpty() ? "new" : "old"}}));
}

QTEST_GUILESS_MAIN(TestCardWrite)
#include "tst_cardwrite.moc"
