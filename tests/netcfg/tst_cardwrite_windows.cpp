// The card writer on Windows (tst_cardwrite is Linux's): what stands at NET.CFG, and whether
// another program holds it open, decide between a replaced file and a refusal in Windows' own
// words that leaves the card as it was.
#include "common/cardsnapshot.h"
#include "netcfg/storedfilewriter.h"

#include <QDir>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>

#include <windows.h>

class TestCardWriteWindows : public QObject
{
    Q_OBJECT

private slots:
    void shouldReplaceTheFileOrLeaveTheCardAsItWas_data();
    void shouldReplaceTheFileOrLeaveTheCardAsItWas();
};

void TestCardWriteWindows::shouldReplaceTheFileOrLeaveTheCardAsItWas_data()
{
    QTest::addColumn<QString>("standing"); // what stands at NET.CFG
    QTest::addColumn<QString>("reason"); // empty: written; %1: NET.CFG's path

    // clang-format off
    QTest::newRow("a file, replaced") << "file" << "";
    QTest::newRow("a file held open without sharing") << "held file"
        << "Cannot replace %1: " + qt_error_string(ERROR_ACCESS_DENIED);
    QTest::newRow("a read-only file") << "read-only file"
        << "Cannot replace %1: the file is write-protected (" + qt_error_string(ERROR_ACCESS_DENIED) + ").";
    QTest::newRow("a folder") << "folder" << "Cannot replace %1: it is not a regular file.";
    QTest::newRow("a killed write's temporary file") << "file, killed write's temporary" << "";
    QTest::newRow("a live write's temporary file")   << "file, live write's temporary"   << "";
    // clang-format on
}

void TestCardWriteWindows::shouldReplaceTheFileOrLeaveTheCardAsItWas()
{
    QFETCH(QString, standing);
    QFETCH(QString, reason);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString target = QDir::toNativeSeparators(dir.filePath(QStringLiteral("NET.CFG")));
    const auto wide = reinterpret_cast<LPCWSTR>(target.utf16());
    if (standing == u"folder")
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("NET.CFG")));
    else
        put(target, "old");
    if (standing == u"read-only file")
        QVERIFY(SetFileAttributesW(wide, FILE_ATTRIBUTE_READONLY));
    const QString temporary = dir.filePath(QStringLiteral(".NET.CFG.0123456789abcdef.tmp"));
    const bool live = standing == u"file, live write's temporary";
    if (standing.startsWith(u"file, "))
        put(temporary, "left");
    // Another program reading the file and letting nobody else in, as an editor may; or a
    // write going on, which lets nobody else delete its temporary file.
    const HANDLE held = standing == u"held file" || live
        ? CreateFileW(reinterpret_cast<LPCWSTR>((live ? temporary : target).utf16()), GENERIC_READ,
                      live ? FILE_SHARE_READ : 0, nullptr, OPEN_EXISTING, 0, nullptr)
        : INVALID_HANDLE_VALUE;
    QVERIFY((standing != u"held file" && !live) || held != INVALID_HANDLE_VALUE);
    const auto release = qScopeGuard([&] {
        if (held != INVALID_HANDLE_VALUE)
            CloseHandle(held);
        SetFileAttributesW(wide, FILE_ATTRIBUTE_NORMAL); // lets QTemporaryDir remove it
    });
    const QMap<QString, QByteArray> before = snapshot(dir.path());

    const Result<void> written = StoredFileWriter().write(target, "new");
    QCOMPARE(written.reason(), reason.isEmpty() ? reason : reason.arg(target));
    QCOMPARE(written.ok(), reason.isEmpty());
    // The new file alone, or the card as it was: no temporary file of this write either way.
    QMap<QString, QByteArray> replaced {{dir.filePath("NET.CFG"), "new"}};
    if (live)
        replaced[temporary] = "left";
    QCOMPARE(snapshot(dir.path()), reason.isEmpty() ? replaced : before);
}

QTEST_GUILESS_MAIN(TestCardWriteWindows)
#include "tst_cardwrite_windows.moc"
