// The command line as a script runs it: the real executable, with no display at all. Every
// run has no DISPLAY or WAYLAND_DISPLAY and names a platform plugin that does not exist, so a
// command that loaded one would abort.
#include "common/cardsnapshot.h"
#include "common/recordedruns.h"
#include "mail/mailservers.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#ifdef Q_OS_LINUX
#include <linux/capability.h>
#include <sys/prctl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {

// What the program printed, or a row expects, as the test compares it: on Windows, where the
// C runtime ends a line with CR LF and paths have backslashes, with LF and slashes.
QString normalized(QString text)
{
#ifdef Q_OS_WIN
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(u'\\', u'/');
#endif
    return text;
}

struct Finished
{
    bool crashed = false;
    int status = -1;
    QString out;
    QString err;
};

// How a row runs the program, beside its arguments.
struct How
{
    QByteArray input; // on standard input
    bool fullOutput = false; // standard output is /dev/full
    bool unprivileged = false; // root without its power over permissions
    bool noPlatform = false; // QT_QPA_PLATFORM unset as well
    QByteArray rawFolder = {}; // made in dir and given by its bytes after the arguments
    QByteArray shell = {}; // run in dir first (POSIX); with rawFolder, makes what it names
    QByteArray written = {}; // the folder in dir that must hold NET.CFG or not; rawFolder's
    QString program = {}; // a copy of the program to run instead
};

// Runs the program; "{dir}" in an argument stands for dir.
Finished runProgram(const QStringList &arguments, const QString &dir, const How &how = {})
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("DISPLAY"));
    environment.remove(QStringLiteral("WAYLAND_DISPLAY"));
    if (how.noPlatform)
        environment.remove(QStringLiteral("QT_QPA_PLATFORM"));
    else
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("nonexistent"));
    QStringList expanded;
    for (QString argument : arguments)
        expanded.append(argument.replace(QStringLiteral("{dir}"), dir));
    QString program = how.program.isEmpty() ? QStringLiteral(PROGRAM) : how.program;
#ifdef Q_OS_LINUX
    if (!how.shell.isEmpty()) {
        QProcess shell;
        shell.setWorkingDirectory(dir);
        shell.start(QStringLiteral("/bin/sh"), {QStringLiteral("-c"), QString::fromUtf8(how.shell)});
        if (!shell.waitForFinished(10000) || shell.exitCode() != 0)
            QTest::qFail("the row's shell command failed", __FILE__, __LINE__);
    }
    if (!how.rawFolder.isEmpty()) {
        // QProcess passes text: the shell makes the bytes of a name that is no valid text, and
        // gives them as the last argument.
        const QByteArray folder = QFile::encodeName(dir) + '/' + how.rawFolder;
        if (how.shell.isEmpty())
            ::mkdir(folder.constData(), 0755);
        QString octal;
        for (const char byte : folder)
            octal += QStringLiteral("\\0%1").arg(uint(uchar(byte)), 3, 8, QLatin1Char('0'));
        environment.insert(QStringLiteral("RAW"), octal);
        expanded = QStringList {QStringLiteral("-c"),
                                QStringLiteral("exec \"$0\" \"$@\" \"$(printf '%b' \"$RAW\")\""),
                                program}
            + expanded;
        program = QStringLiteral("/bin/sh");
    }
#endif
    QProcess process;
    process.setProcessEnvironment(environment);
    if (how.fullOutput)
        process.setStandardOutputFile(QStringLiteral("/dev/full"));
#ifdef Q_OS_LINUX
    if (how.unprivileged) {
        process.setChildProcessModifier([] {
            ::prctl(PR_CAPBSET_DROP, CAP_DAC_OVERRIDE, 0, 0, 0);
            ::prctl(PR_CAPBSET_DROP, CAP_DAC_READ_SEARCH, 0, 0, 0);
        });
    }
#endif
    process.start(program, expanded);
    process.write(how.input);
    process.closeWriteChannel();
    if (!process.waitForFinished(30000)) {
        process.kill();
        process.waitForFinished();
        return {};
    }
    return {process.exitStatus() == QProcess::CrashExit, process.exitCode(),
            normalized(QString::fromLocal8Bit(process.readAllStandardOutput())),
            normalized(QString::fromLocal8Bit(process.readAllStandardError()))};
}

} // namespace

Q_DECLARE_METATYPE(How)

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
    void shouldSayWhetherTheServerTookTheTestEmail_data();
    void shouldSayWhetherTheServerTookTheTestEmail();
    void shouldNameTheMailModuleItCannotFind();

private:
    QTemporaryDir m_mailDir;
    MailServers m_mailServers; // started by the first test that needs them
};

void TestCommandLine::shouldExitWithTheStatusAndMessagesOfEachOutcome_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<How>("how");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("out"); // "{dir}" stands for the card's folder
    QTest::addColumn<QString>("err");
    QTest::addColumn<QByteArray>("written"); // a plain line of {dir}/NET.CFG; empty: no file

    const QString success = QStringLiteral("Create configure file success.\n{dir}/NET.CFG\n");
    const QString noFile;
    const QString seeHelp = QStringLiteral(" See: camera-setting-tool --help\n");
    const QString notThere = QStringLiteral(
        "camera-setting-tool mms: --out \"%1\" does not exist (is the card mounted?): name the "
        "card's folder, or the NET.CFG file in it.\n");
    const QString notFolder = QStringLiteral(
        "camera-setting-tool mms: --out \"%1\" is not a folder: name the card's folder, or the "
        "NET.CFG file in it.\n");
    // A stored form whose values hold a NUL, an ESC sequence and a backslash.
    const char oddPlain[] = "[MMS]\r\nPhone1=12\0 34\r\nEmail1=\x1b[2J\\x\r\n";
    const QByteArray odd = encodeBytes(QByteArray(oddPlain, sizeof oddPlain - 1));
    // clang-format off
    QTest::newRow("net.cfg in any case, with the window's warnings")
        << QStringList{"mms", "--apn", "a", "--out", "{dir}/net.cfg"} << How{} << 0 << success
        << "Need Phone Number Input\nNeed Email Input\nThe camera needs --url, --ip and --port to "
           "connect, and they are empty. Write NET.CFG anyway?\n" << QByteArray("APN=a");
    QTest::newRow("a password from standard input")
        << QStringList{"smtp", "--country", "Slovakia", "--sender", "s", "--phone1", "1", "--email1", "e",
                       "--password-file", "-", "--out", "{dir}"}
        << How{"s3cret\r\nnext line\n"} << 0 << success << noFile << QByteArray("Password=s3cret");
    QTest::newRow("every key the camera needs empty, the access point's password from a file")
        << QStringList{"smtp", "--apn-password-file", "-", "--out", "{dir}"}
        << How{"pw\n"} << 0 << success
        << "Need Phone Number Input\nNeed Email Input\nThe camera needs --apn, --server, --port "
           "and --sender to connect, and they are empty. Write NET.CFG anyway?\n"
        << QByteArray("APNPassword=pw");
    QTest::newRow("a password twice")
        << QStringList{"smtp", "--password", "a", "--password-file", "-", "--out", "{dir}"} << How{} << 2 << noFile
        << "camera-setting-tool smtp: give --password or --password-file, not both.\n" << QByteArray();
    QTest::newRow("an option twice")
        << QStringList{"mms", "--phone1", "5", "--phone1", "6", "--out", "{dir}"} << How{} << 2 << noFile
        << "camera-setting-tool mms: --phone1 is given more than once. See: camera-setting-tool mms --help\n"
        << QByteArray();
    QTest::newRow("a control character")
        << QStringList{"mms", "--email2", "a\x1b[2Jb", "--out", "{dir}"} << How{} << 2 << noFile
        << "camera-setting-tool mms: --email2 holds a control character (\\x1b), which the window's "
           "fields do not take either.\n" << QByteArray();
    QTest::newRow("a value the camera would misread, named by its option")
        << QStringList{"smtp", "--country", "Slovakia", "--sender", "s", "--phone1", "1", "--email1", "e",
                       "--apn-password", "pañ", "--out", "{dir}"}
        << How{} << 1 << noFile
        << "Other users of this computer can read the command line, and with it --apn-password, "
           "while the program runs: give it with --apn-password-file.\n"
           "Create configure file failed.\n--apn-password: the camera would read \"ñ\" as a line break\n"
        << QByteArray();
    QTest::newRow("--out: a folder that is not there")
        << QStringList{"mms", "--out", "{dir}/missing/"} << How{} << 2 << noFile
        << notThere.arg("{dir}/missing/") << QByteArray();
    QTest::newRow("--out: a file") << QStringList{"mms", "--out", "{dir}/card.txt"} << How{} << 2
        << noFile << notThere.arg("{dir}/card.txt") << QByteArray();
#ifndef Q_OS_WIN // a device, names as bytes, a display, permissions, /dev/full: POSIX
    QTest::newRow("--out: a device") << QStringList{"mms", "--out", "/dev/full"} << How{} << 2
        << noFile << notFolder.arg("/dev/full") << QByteArray();
#endif
    QTest::newRow("--out: -") << QStringList{"mms", "--out", "-"} << How{} << 2 << noFile
        << notThere.arg("-") << QByteArray();
#ifndef Q_OS_WIN // a device, names as bytes, a display, permissions, /dev/full: POSIX
    QTest::newRow("--out: a folder named by bytes that are no text")
        << QStringList{"mms", "--out"} << How{{}, false, false, false, "card\xff"} << 0
        << "Create configure file success.\n{dir}/card\uFFFD/NET.CFG\n"
        << "Need Phone Number Input\nNeed Email Input\nThe camera needs --url, --apn, --ip and "
           "--port to connect, and they are empty. Write NET.CFG anyway?\n" << QByteArray("card\xff");
#endif
#ifndef Q_OS_WIN // links, names as bytes, modes, /dev/full: POSIX
    // A run that names NET.CFG, a folder by bytes or a password file by any path writes there
    // or nowhere: never into what a link, a look-alike name or a cut line would make of it.
    const QString filled = QStringLiteral("mms --phone1 1 --email1 e --url u --apn a --ip i --port p");
    const QString notRegular = QStringLiteral(
        "Create configure file failed.\nCannot replace {dir}/NET.CFG: it is %1, not a regular file.\n");
    QTest::newRow("--out naming NET.CFG, a link to a folder")
        << filled.split(u' ') + QStringList{"--out", "{dir}/NET.CFG"} << How{{}, false, false, false, {}, "mkdir elsewhere && ln -s elsewhere NET.CFG", "elsewhere"}
        << 1 << noFile << notRegular.arg("a symbolic link") << QByteArray();
    QTest::newRow("--out naming NET.CFG, a folder")
        << filled.split(u' ') + QStringList{"--out", "{dir}/NET.CFG"} << How{{}, false, false, false, {}, "mkdir NET.CFG", "NET.CFG"}
        << 1 << noFile << notRegular.arg("a folder") << QByteArray();
    QTest::newRow("--out: bytes that are no text, beside a look-alike folder")
        << QStringList{"mms", "--out"} << How{{}, false, false, false, "card\xff", "mkdir card\357\277\275"} << 2 << noFile
        << "camera-setting-tool mms: --out \"{dir}/card\\xff\" does not exist (is the card mounted?): name the "
           "card's folder, or the NET.CFG file in it.\n" << QByteArray();
    QTest::newRow("--out: a folder by a name too long")
        << QStringList{"mms", "--out", "{dir}" + QString("/.").repeated(2300)} << How{} << 2 << noFile
        << "camera-setting-tool mms: --out \"{dir}" + QString("/.").repeated(2300) + "\": File name too long\n"
        << QByteArray();
    QTest::newRow("written, but the success cannot be told")
        << filled.split(u' ') + QStringList{"--out", "{dir}"} << How{{}, true} << 3 << noFile
        << "camera-setting-tool mms: NET.CFG was written, but its success could not be told: No space "
           "left on device\n" << QByteArray("APN=a");
    QTest::newRow("a password file that others can read")
        << QStringList{"smtp", "--password-file", "{dir}/pw", "--out", "{dir}"} << How{{}, false, false, false, {}, "echo pw >pw && chmod 666 pw"}
        << 0 << success << "Other users of this computer can read {dir}/pw (mode 0666): make it yours alone with "
           "chmod 600.\nNeed Phone Number Input\nNeed Email Input\nThe camera needs --apn, --server, --port and "
           "--sender to connect, and they are empty. Write NET.CFG anyway?\n" << QByteArray("Password=pw");
    QTest::newRow("a password file that is a folder")
        << QStringList{"smtp", "--password-file", "{dir}/locked", "--out", "{dir}"} << How{} << 2 << noFile
        << "camera-setting-tool smtp: --password-file: {dir}/locked is a folder.\n" << QByteArray();
    QTest::newRow("a password line longer than the camera's file")
        << QStringList{"smtp", "--password-file", "{dir}/long", "--out", "{dir}"}
        << How{{}, false, false, false, {}, "head -c 70000 /dev/zero | tr '\\0' a >long && chmod 600 long"} << 2 << noFile
        << "camera-setting-tool smtp: --password-file: the first line of {dir}/long is longer than the camera's "
           "file can hold (32767 bytes).\n" << QByteArray();
#endif
    QTest::newRow("unknown command")
        << QStringList{"mmms"} << How{} << 2 << noFile
        << "camera-setting-tool: unknown command \"mmms\". The commands are mms, smtp, test-mail, "
           "read, carriers and mail-providers; see: camera-setting-tool --help\n" << QByteArray();
    QTest::newRow("unknown option")
        << QStringList{"mms", "--phone", "1", "--out", "{dir}"} << How{} << 2 << noFile
        << "camera-setting-tool mms: Unknown option 'phone'. See: camera-setting-tool mms --help\n"
        << QByteArray();
    QTest::newRow("an option before the command")
        << QStringList{"--country", "Canada", "mms", "--out", "{dir}"} << How{} << 2 << noFile
        << "camera-setting-tool: Unknown option 'country'." + seeHelp << QByteArray();
#ifndef Q_OS_WIN // a device, names as bytes, a display, permissions, /dev/full: POSIX
    QTest::newRow("no display and no command") << QStringList{} << How{{}, false, false, true} << 2
        << noFile << "camera-setting-tool: there is no display to open the windows on (neither "
           "DISPLAY nor WAYLAND_DISPLAY is set). On a computer without a desktop, use a command; "
           "see: camera-setting-tool --help\n" << QByteArray();
#endif
    QTest::newRow("--help=x") << QStringList{"--help=x"} << How{} << 2 << noFile
        << "camera-setting-tool: Unexpected value after '--help'." + seeHelp << QByteArray();
    QTest::newRow("unknown country")
        << QStringList{"mms", "--country", "Atlantis", "--out", "{dir}"} << How{} << 2 << noFile
        << "camera-setting-tool mms: unknown country \"Atlantis\". List the countries with: "
           "camera-setting-tool carriers mms\n" << QByteArray();
    QTest::newRow("unknown operator of a country in another case")
        << QStringList{"smtp", "--country", "canada", "--operator", "Rogers", "--out", "{dir}"} << How{} << 2 << noFile
        << "camera-setting-tool smtp: Canada has no operator \"Rogers\". List its operators with: "
           "camera-setting-tool carriers smtp --country \"Canada\"\n" << QByteArray();
    QTest::newRow("a country without a default operator")
        << QStringList{"mms", "--country", "Germany", "--out", "{dir}"} << How{} << 2 << noFile
        << "camera-setting-tool mms: Germany has no default operator: name yours with --operator. "
           "List its operators with: camera-setting-tool carriers mms --country \"Germany\"\n" << QByteArray();
    QTest::newRow("a bad --ssl")
        << QStringList{"smtp", "--ssl", "maybe", "--out", "{dir}"} << How{} << 2 << noFile
        << "camera-setting-tool smtp: --ssl takes yes or no, not \"maybe\".\n" << QByteArray();
    QTest::newRow("no --out")
        << QStringList{"mms", "--phone1", "1"} << How{} << 2 << noFile
        << "camera-setting-tool mms: --out PATH is missing: name the card's folder, or the NET.CFG "
           "file on it.\n" << QByteArray();
    QTest::newRow("read of a card without NET.CFG")
        << QStringList{"read", "{dir}"} << How{} << 1 << noFile << "There is no NET.CFG in {dir}.\n"
        << QByteArray();
#ifndef Q_OS_WIN // a device, names as bytes, a display, permissions, /dev/full: POSIX
    QTest::newRow("read of a folder that cannot be searched")
        << QStringList{"read", "{dir}/locked/NET.CFG"} << How{{}, false, true} << 1 << noFile
        << "Cannot read {dir}/locked/NET.CFG: the folder {dir}/locked cannot be searched "
           "(Permission denied).\n" << QByteArray();
#endif
    QTest::newRow("read of an empty name") << QStringList{"read", ""} << How{} << 2 << noFile
        << "camera-setting-tool read: name one NET.CFG, the card's folder, or - for standard "
           "input: read PATH.\n" << QByteArray();
    QTest::newRow("read of NUL, ESC and a backslash from standard input")
        << QStringList{"read", "-"} << How{odd} << 0
        << "[MMS]\nURL=\nAPN=\nIP=\nPort=\nPhone1=12\\x00 34\nPhone2=\nPhone3=\nPhone4=\nPhone5=\n"
           "Email1=\\x1b[2J\\\\x\nEmail2=\nEmail3=\nEmail4=\nEmail5=\nAPNAccount=\nAPNPassword=\n"
        << QString() << QByteArray();
#ifndef Q_OS_WIN // a device, names as bytes, a display, permissions, /dev/full: POSIX
    QTest::newRow("read into a full output")
        << QStringList{"read", "-"} << How{odd, true} << 1 << noFile
        << "camera-setting-tool: cannot write the output: No space left on device\n" << QByteArray();
#endif
    QTest::newRow("a country's operators and their values")
        << QStringList{"carriers", "smtp", "--country", "Slovakia"} << How{} << 0
        << "[SMTP]\n"
           "O2\n    APN=o2internet\n    Server=smtp.o2.sk\n    Port=25\n    SSL=0\n"
           "T-Mobile (default)\n    APN=internet\n    Server=smtp.t-com.sk\n    Port=25\n    SSL=0\n"
           "Orange\n    APN=internet\n    Server=smtp.orange.sk\n    Port=25\n    SSL=0\n"
        << QString() << QByteArray();
    QTest::newRow("--sender without --server: its provider's server")
        << QStringList{"smtp", "--apn", "a", "--sender", "me@gmail.com", "--phone1", "1", "--email1", "e",
                       "--out", "{dir}"} << How{} << 0 << success
        << "Took --server smtp.gmail.com --port 465 --ssl yes from Gmail, the provider of --sender; "
           "Gmail needs an app password (made in the Google Account once 2-Step Verification is on).\n"
        << QByteArray("Server=smtp.gmail.com");
    QTest::newRow("a provider the camera cannot use, --ssl given")
        << QStringList{"smtp", "--apn", "a", "--sender", "me@Outlook.com", "--ssl", "yes", "--phone1", "1",
                       "--email1", "e", "--out", "{dir}"} << How{} << 0 << success
        << "Took --server smtp-mail.outlook.com --port 587 from Outlook.com, the provider of --sender.\n"
           "Outlook.com accepts mail from devices only with STARTTLS on port 587 and an OAuth sign-in, "
           "which the camera cannot do. Use another mail account for the camera. Write NET.CFG anyway?\n"
        << QByteArray("SSL=1");
    QTest::newRow("the provider of an address")
        << QStringList{"mail-providers", "Me@Web.DE"} << How{} << 0
        << "WEB.DE: web.de\n    Server=smtp.web.de\n    Port=465\n    SSL=1\n"
           "    It needs POP3 and IMAP access allowed once in the mailbox's e-mail settings.\n"
        << QString() << QByteArray();
    QTest::newRow("version")
        << QStringList{"--version"} << How{} << 0 << "camera-setting-tool " PROJECT_VERSION "\n" << QString()
        << QByteArray();
    // clang-format on
}

void TestCommandLine::shouldExitWithTheStatusAndMessagesOfEachOutcome()
{
    QFETCH(QStringList, arguments);
    QFETCH(How, how);
    QFETCH(int, status);
    QFETCH(QString, out);
    QFETCH(QString, err);
    QFETCH(QByteArray, written);
    QTemporaryDir card;
    QVERIFY(card.isValid());
    QVERIFY(QDir(card.path()).mkdir(QStringLiteral("locked")));
    QVERIFY(
        QFile::setPermissions(card.filePath(QStringLiteral("locked")), QFileDevice::WriteOwner));

    const Finished finished = runProgram(arguments, card.path(), how);
    QFile::setPermissions(card.filePath(QStringLiteral("locked")),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    QVERIFY(!finished.crashed);
    QCOMPARE(finished.err, normalized(err.replace(QStringLiteral("{dir}"), card.path())));
    QCOMPARE(finished.out, normalized(out.replace(QStringLiteral("{dir}"), card.path())));
    QCOMPARE(finished.status, status);
    // The file, where one is written: in the folder of raw bytes, or the card's.
    const QByteArray file = QFile::encodeName(card.path()) + '/'
        + (how.written.isEmpty() ? how.rawFolder : how.written) + "/NET.CFG";
#ifdef Q_OS_WIN
    QCOMPARE(QFile::exists(QFile::decodeName(file)), !written.isEmpty());
#else
    QCOMPARE(::access(file.constData(), F_OK) == 0, !written.isEmpty()); // whatever its bytes
#endif
    if (!written.isEmpty() && how.rawFolder.isEmpty())
        QVERIFY(plainLines(contents(card.filePath(QStringLiteral("NET.CFG"))))
                    .contains(QString::fromLatin1(written)));
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
    // A password on the command line works, with a word that other users can read it there.
    QStringList warned;
    for (const TypedValue &value : run.manual + run.typed) {
        if (value.option.endsWith(u"password"))
            warned << QStringLiteral("Other users of this computer can read the command line, and "
                                     "with it %1, while the program runs: give it with %1-file.")
                          .arg(value.option);
    }
    QStringList err = finished.err.split(u'\n', Qt::SkipEmptyParts);
    err.sort();
    warned.sort();
    QCOMPARE(err, warned);
    QCOMPARE(finished.out,
             normalized(
                 QStringLiteral("Create configure file success.\n%1/NET.CFG\n").arg(card.path())));
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
    QTest::newRow("Qt's own option with two dashes")
        << QStringList {"--platform", "other"} << "\"other\"";
}

void TestCommandLine::shouldLeaveEverythingElseToTheWindows()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, platform);

    const Finished finished = runProgram(arguments, QString());
    QVERIFY(finished.crashed);
    QVERIFY2(finished.err.contains(platform), qPrintable(finished.err));
}

void TestCommandLine::shouldSayWhetherTheServerTookTheTestEmail_data()
{
    QTest::addColumn<QStringList>("options"); // after those of the account on the plain server
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("out");
    QTest::addColumn<QString>("err"); // a line of it

    const QString accepted
        = QStringLiteral("The server accepted the test e-mail for 1 recipient.\n");
    // clang-format off
    QTest::newRow("accepted, the password from standard input")
        << QStringList{"--password-file", "-"} << QByteArray("Tr41l-cam!\n") << 0 << accepted << QString();
    QTest::newRow("the dialogue, without the password")
        << QStringList{"--password", "Tr41l-cam!", "--verbose"} << QByteArray() << 0 << accepted
        << "> ****"; // the login, masked
    QTest::newRow("refused")
        << QStringList{"--password", "Tr41l-cam"} << QByteArray() << 1 << QString()
        << "The server refused the account or password of camera@example.org (535 5.7.8 "
           "Authentication credentials invalid). Many providers need an app password for "
           "devices: make one in the account's security settings and enter it as the Password.";
    QTest::newRow("no recipient") << QStringList{"--email1", ""} << QByteArray() << 2 << QString()
        << "camera-setting-tool test-mail: ";
    // clang-format on
}

void TestCommandLine::shouldSayWhetherTheServerTookTheTestEmail()
{
    QFETCH(QStringList, options);
    QFETCH(QByteArray, input);
    QFETCH(int, status);
    QFETCH(QString, out);
    QFETCH(QString, err);
    if (!m_mailServers.port(QStringLiteral("plain")))
        START_MAIL_SERVERS(m_mailServers, m_mailDir.path());

    const QStringList arguments
        = QStringList {"test-mail",
                       "--server",
                       "127.0.0.1",
                       "--port",
                       QString::number(m_mailServers.port(QStringLiteral("plain"))),
                       "--ssl",
                       "no",
                       "--sender",
                       "camera@example.org",
                       "--email1",
                       "a@example.org"}
        + options;
    How how;
    how.input = input;
    const Finished finished = runProgram(arguments, QString(), how);
    QCOMPARE(finished.status, status);
    QCOMPARE(finished.out, out);
    QVERIFY2(finished.err.split(u'\n').contains(err) || finished.err.startsWith(err),
             qPrintable(finished.err));
    QVERIFY2(!finished.err.contains(QStringLiteral("Tr41l-cam!")), qPrintable(finished.err));
}

// A copy of the program outside the build tree looks where an installation keeps the module.
void TestCommandLine::shouldNameTheMailModuleItCannotFind()
{
    QTemporaryDir dir;
    How how;
    how.program = dir.filePath(QFileInfo(QStringLiteral(PROGRAM)).fileName());
    QVERIFY(QFile::copy(QStringLiteral(PROGRAM), how.program));

    const Finished finished
        = runProgram({"test-mail", "--server", "127.0.0.1", "--port", "25", "--ssl", "no",
                      "--sender", "camera@example.org", "--email1", "a@example.org"},
                     dir.path(), how);
    QCOMPARE(finished.status, 1);
    QVERIFY2(finished.err.startsWith(QStringLiteral("The test e-mail cannot run: "))
                 && finished.err.endsWith(
                     QStringLiteral("/camera-setting-tool-mail" MODULE_SUFFIX
                                    " is missing. Reinstall Camera Setting Tool.\n")),
             qPrintable(finished.err));
}

QTEST_GUILESS_MAIN(TestCommandLine)
#include "tst_commandline.moc"
