// The command line as a script runs it: the real executable, with no display at all. Every
// run has no DISPLAY or WAYLAND_DISPLAY and names a platform plugin that does not exist, so a
// command that loaded one would abort.
#include "common/recordedruns.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace {

// What the program printed: in the local 8-bit encoding (UTF-8 on Linux, the ANSI code page on
// Windows), and with CR LF line ends on Windows, where the C runtime writes text that way.
QString printed(const QByteArray &bytes)
{
    QString text = QString::fromLocal8Bit(bytes);
#ifdef Q_OS_WIN
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
#endif
    return text;
}

// A message as the program prints it: its paths with the system's separators.
QString shownPath(const QString &message, const QString &dir)
{
    return QDir::toNativeSeparators(QString(message).replace(QStringLiteral("{dir}"), dir));
}

struct Finished
{
    bool crashed = false;
    int status = -1;
    QString out;
    QString err;
};

// Runs the program; "{dir}" in an argument stands for dir.
Finished runProgram(const QStringList &arguments, const QString &dir)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("DISPLAY"));
    environment.remove(QStringLiteral("WAYLAND_DISPLAY"));
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("nonexistent"));
    QStringList expanded;
    for (QString argument : arguments)
        expanded.append(argument.replace(QStringLiteral("{dir}"), dir));
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(PROGRAM), expanded);
    if (!process.waitForFinished(30000)) {
        process.kill();
        process.waitForFinished();
        return {};
    }
    return {process.exitStatus() == QProcess::CrashExit, process.exitCode(),
            printed(process.readAllStandardOutput()), printed(process.readAllStandardError())};
}

} // namespace

class TestCommandLine : public QObject
{
    Q_OBJECT

private slots:
    void shouldExitWithTheStatusAndMessagesOfEachOutcome_data();
    void shouldExitWithTheStatusAndMessagesOfEachOutcome();
    void shouldWriteTheSameFileAsTheWindowAndReadItBack_data();
    void shouldWriteTheSameFileAsTheWindowAndReadItBack();
    void shouldLeaveEverythingElseToTheWindows_data();
    void shouldLeaveEverythingElseToTheWindows();
};

void TestCommandLine::shouldExitWithTheStatusAndMessagesOfEachOutcome_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("out");
    QTest::addColumn<QString>("err"); // "{dir}" stands for the card's folder
    QTest::addColumn<bool>("written"); // {dir}/NET.CFG is there afterwards

    const QString success = QStringLiteral("Create configure file success.\n");
    const QString noFile;
#ifdef Q_OS_WIN
    const QString noFolder = qt_error_string(3); // ERROR_PATH_NOT_FOUND, in Windows' own words
#else
    const QString noFolder = QStringLiteral("No such file or directory");
#endif
    // clang-format off
    QTest::newRow("written beside a named file, with the window's warnings")
        << QStringList{"mms", "--apn", "a", "--out", "{dir}/card.txt"} << 0 << success
        << "Need Phone Number Input\nNeed Email Input\n" << true;
    QTest::newRow("a value the camera would misread, named by its option")
        << QStringList{"smtp", "--phone1", "1", "--email1", "e", "--apn-password", "pañ", "--out", "{dir}"}
        << 1 << noFile
        << "Create configure file failed.\n--apn-password: the camera would read \"ñ\" as a line break\n"
        << false;
    QTest::newRow("a folder that is not there")
        << QStringList{"mms", "--phone1", "1", "--email1", "e", "--out", "{dir}/missing/"} << 1 << noFile
        << "Create configure file failed.\nCannot write {dir}/missing/NET.CFG: " + noFolder + "\n"
        << false;
    QTest::newRow("unknown command")
        << QStringList{"mmms"} << 2 << noFile
        << "camera-setting-tool: unknown command \"mmms\". The commands are mms, smtp, read and "
           "carriers; see: camera-setting-tool --help\n" << false;
    QTest::newRow("unknown option")
        << QStringList{"mms", "--phone", "1", "--out", "{dir}"} << 2 << noFile
        << "camera-setting-tool mms: Unknown option 'phone'. See: camera-setting-tool mms --help\n"
        << false;
    QTest::newRow("unknown country")
        << QStringList{"mms", "--country", "Atlantis", "--out", "{dir}"} << 2 << noFile
        << "camera-setting-tool mms: unknown country \"Atlantis\". List the countries with: "
           "camera-setting-tool carriers mms\n" << false;
    QTest::newRow("unknown operator of a country in another case")
        << QStringList{"smtp", "--country", "canada", "--operator", "Rogers", "--out", "{dir}"} << 2 << noFile
        << "camera-setting-tool smtp: Canada has no operator \"Rogers\". List its operators with: "
           "camera-setting-tool carriers smtp --country \"Canada\"\n" << false;
    QTest::newRow("a country without a default operator")
        << QStringList{"mms", "--country", "Germany", "--out", "{dir}"} << 2 << noFile
        << "camera-setting-tool mms: Germany has no default operator: name yours with --operator. "
           "List its operators with: camera-setting-tool carriers mms --country \"Germany\"\n" << false;
    QTest::newRow("a bad --ssl")
        << QStringList{"smtp", "--ssl", "maybe", "--out", "{dir}"} << 2 << noFile
        << "camera-setting-tool smtp: --ssl takes yes or no, not \"maybe\".\n" << false;
    QTest::newRow("no --out")
        << QStringList{"mms", "--phone1", "1"} << 2 << noFile
        << "camera-setting-tool mms: --out PATH is missing: name the card's folder, or the NET.CFG "
           "file on it.\n" << false;
    QTest::newRow("read of a card without NET.CFG")
        << QStringList{"read", "{dir}"} << 1 << noFile << "There is no NET.CFG in {dir}.\n" << false;
    QTest::newRow("a country's operators and their values")
        << QStringList{"carriers", "smtp", "--country", "Slovakia"} << 0
        << "[SMTP]\n"
           "O2\n    APN=o2internet\n    Server=smtp.o2.sk\n    Port=25\n    SSL=0\n"
           "T-Mobile (default)\n    APN=internet\n    Server=smtp.t-com.sk\n    Port=25\n    SSL=0\n"
           "Orange\n    APN=internet\n    Server=smtp.orange.sk\n    Port=25\n    SSL=0\n"
        << QString() << false;
    QTest::newRow("version")
        << QStringList{"--version"} << 0 << "camera-setting-tool " PROJECT_VERSION "\n" << QString()
        << false;
    // clang-format on
}

void TestCommandLine::shouldExitWithTheStatusAndMessagesOfEachOutcome()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, status);
    QFETCH(QString, out);
    QFETCH(QString, err);
    QFETCH(bool, written);
    QTemporaryDir card;
    QVERIFY(card.isValid());

    const Finished finished = runProgram(arguments, card.path());
    QVERIFY(!finished.crashed);
    QCOMPARE(finished.err, shownPath(err, card.path()));
    QCOMPARE(finished.out, out);
    QCOMPARE(finished.status, status);
    QCOMPARE(QFile::exists(card.filePath(QStringLiteral("NET.CFG"))), written);
}

void TestCommandLine::shouldWriteTheSameFileAsTheWindowAndReadItBack_data()
{
    QTest::addColumn<RecordedRun>("run");
    for (const RecordedRun &run : recordedRuns())
        QTest::newRow(run.name) << run;
}

void TestCommandLine::shouldWriteTheSameFileAsTheWindowAndReadItBack()
{
    QFETCH(RecordedRun, run);
    QStringList arguments {run.smtp ? "smtp" : "mms"};
    if (!run.country.isEmpty())
        arguments << "--country" << run.country;
    if (!run.operatorName.isEmpty())
        arguments << "--operator" << run.operatorName;
    for (const TypedValue &value : run.manual + run.typed)
        arguments << value.option << value.text;
    if (!run.ssl.isEmpty())
        arguments << "--ssl" << run.ssl;
    QTemporaryDir card;
    QVERIFY(card.isValid());

    const Finished finished = runProgram(arguments << "--out" << card.path(), card.path());
    QCOMPARE(finished.err, QString());
    QCOMPARE(finished.out, QStringLiteral("Create configure file success.\n"));
    QFile file(card.filePath(QStringLiteral("NET.CFG")));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray stored = file.readAll();
    QCOMPARE(plainLines(stored), run.lines);
    QCOMPARE(stored, storedFile(run.lines));

    const Finished read = runProgram({"read", card.path()}, card.path());
    QCOMPARE(read.err, QString());
    QCOMPARE(read.out, run.lines.join(u'\n') + u'\n');
    QCOMPARE(read.status, 0);
}

void TestCommandLine::shouldLeaveEverythingElseToTheWindows_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("platform"); // the plugin that the windows fail to load

    QTest::newRow("no argument") << QStringList() << "\"nonexistent\"";
    QTest::newRow("Qt's own option") << QStringList {"-platform", "other"} << "\"other\"";
}

void TestCommandLine::shouldLeaveEverythingElseToTheWindows()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, platform);

    const Finished finished = runProgram(arguments, QString());
    QVERIFY(finished.crashed);
    QVERIFY2(finished.err.contains(platform), qPrintable(finished.err));
}

QTEST_GUILESS_MAIN(TestCommandLine)
#include "tst_commandline.moc"
