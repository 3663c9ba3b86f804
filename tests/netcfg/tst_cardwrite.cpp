#include "common/cardsnapshot.h"
#include "netcfg/storedfilewriter.h"

#include <QProcess>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <cstring>
#include <linux/capability.h>
#include <sys/mount.h>
#include <sys/prctl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Mounts a 64 KiB tmpfs card on the folder: an empty text, or why it could not. A card that
// cannot be mounted here at all (another user than root, a container that allows no mounts)
// is a reason to skip, not a failure.
struct Mount
{
    QByteArray failure;
    bool skip = false;
};

Mount mountCard(const QByteArray &at)
{
    if (::geteuid() != 0)
        return {"Mounting a tmpfs card needs root.", true};
    if (::mount("tmpfs", at, "tmpfs", 0, "size=64k") == 0)
        return {};
    return {std::strerror(errno), errno == EPERM};
}

} // namespace

class TestCardWrite : public QObject
{
    Q_OBJECT

private slots:
    void shouldFailAndLeaveTheCardAsItWas_data();
    void shouldFailAndLeaveTheCardAsItWas();
    void shouldReplaceTheFileKeepingItsPermissions();
};

void TestCardWrite::shouldFailAndLeaveTheCardAsItWas_data()
{
    QTest::addColumn<QString>("card"); // empty: a folder on disk
    QTest::addColumn<QString>("netCfg"); // what stands at NET.CFG
    QTest::addColumn<int>("fileSizeLimit"); // 0: none
    QTest::addColumn<QString>("reason"); // %1: the card's folder

    // clang-format off
    QTest::newRow("file size limit") << "" << "file" << 1000
        << "Cannot write %1/NET.CFG: File too large";
    QTest::newRow("full card") << "full tmpfs" << "file" << 0
        << "Cannot write %1/NET.CFG: No space left on device";
    QTest::newRow("read-only card") << "read-only tmpfs" << "file" << 0
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
    const Mount mount = card.isEmpty() ? Mount() : mountCard(at);
    if (mount.skip)
        QSKIP(mount.failure);
    QVERIFY2(mount.failure.isEmpty(), mount.failure);
    const auto restore = qScopeGuard([&] {
        ::chmod(at, 0700);
        ::umount2(at, MNT_DETACH);
    });
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
    QVERIFY(card != "full tmpfs" || filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
    while (filler.isOpen() && filler.write(QByteArray(4096, 'f')) > 0) { }
    filler.close();
    if (card == "read-only tmpfs")
        QCOMPARE(::mount("tmpfs", at, "tmpfs", MS_REMOUNT | MS_RDONLY, nullptr), 0);
    const QMap<QString, QByteArray> before = snapshot(dir.path());
    const bool asUser = netCfg == "file in 0555 folder";
    QVERIFY(!asUser || ::chmod(at, 0555) == 0);

    QProcess child;
    child.setChildProcessModifier([fileSizeLimit, asUser] {
        const rlimit limit {rlim_t(fileSizeLimit), rlim_t(fileSizeLimit)};
        if (fileSizeLimit > 0 && ::setrlimit(RLIMIT_FSIZE, &limit) == 0)
            ::signal(SIGXFSZ, SIG_IGN);
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

void TestCardWrite::shouldReplaceTheFileKeepingItsPermissions()
{
    QTemporaryDir dir;
    const QByteArray at = QFile::encodeName(dir.path());
    const Mount mount = mountCard(at);
    if (mount.skip)
        QSKIP(mount.failure);
    QVERIFY2(mount.failure.isEmpty(), mount.failure);
    const auto unmount = qScopeGuard([&] { ::umount2(at, MNT_DETACH); });
    const QString target = dir.filePath("NET.CFG");
    put(target, "old");
    QCOMPARE(::chmod(QFile::encodeName(target), 0640), 0);

    const Result<void> written = StoredFileWriter().write(target, "new");
    QVERIFY2(written, qPrintable(written.reason()));
    QCOMPARE(snapshot(dir.path()), (QMap<QString, QByteArray> {{target, "new"}}));
    QCOMPARE(QFileInfo(target).permissions(), // 0640, seen by its owner
             QFile::ReadOwner | QFile::WriteOwner | QFile::ReadUser | QFile::WriteUser
                 | QFile::ReadGroup);
}

QTEST_GUILESS_MAIN(TestCardWrite)
#include "tst_cardwrite.moc"
