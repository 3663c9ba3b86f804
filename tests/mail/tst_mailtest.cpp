#include "mail/mailservers.h"
#include "mail/mailtest.h"
#include "mail/mailtestrun.h"

#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

#include <optional>

using namespace Qt::Literals::StringLiterals;

namespace {

// The one account of smtpserver.py.
const QString kSender = u"camera@example.org"_s;
const QString kPassword = u"Tr41l-cam!"_s;

} // namespace

// The test e-mail against real mail servers on 127.0.0.1 (smtpserver.py, started once for all
// tests and ended on every way out: see mailservers.h).
class TestMailTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void shouldSayWhatIsMissingBeforeConnecting_data();
    void shouldSayWhatIsMissingBeforeConnecting();
    void shouldNameTheStepThatFailed_data();
    void shouldNameTheStepThatFailed();
    void shouldSignalOnTheCallersThreadAndCancelWhileItsLoopRuns();

private:
    MailAccount account(const QString &server, bool ssl) const;

    QTemporaryDir m_dir;
    MailServers m_servers;
};

void TestMailTest::initTestCase()
{
    QVERIFY(m_dir.isValid());
    START_MAIL_SERVERS(m_servers, m_dir.path());
    // The test CA again, under a name that is not ASCII.
    QVERIFY(
        QFile::copy(m_dir.filePath(u"cert.pem"_s), m_dir.filePath(u"Zertifikat für Tests.pem"_s)));
}

void TestMailTest::cleanupTestCase()
{
    m_servers.stop();
}

// The account on a server of smtpserver.py, or on port 25 of another host.
MailAccount TestMailTest::account(const QString &server, bool ssl) const
{
    if (!m_servers.port(server))
        return {server, u"25"_s, ssl, kSender, kPassword, {u"a@example.org"_s}};
    const QString port = QString::number(m_servers.port(server));
    return {u"127.0.0.1"_s, port, ssl, kSender, kPassword, {u"a@example.org"_s}};
}

void TestMailTest::shouldSayWhatIsMissingBeforeConnecting_data()
{
    QTest::addColumn<MailAccount>("account");
    QTest::addColumn<QString>("message");

    const QStringList one {u"a@example.org"_s};
    // clang-format off
    QTest::newRow("nothing filled") << MailAccount{{}, {}, true, {}, {}, {{}, {}}}
        << "Fill in the Server, the Port, the Sender, the Password and at least one of "
           "Email 1 to Email 5.";
    QTest::newRow("port over 65535") << MailAccount{"127.0.0.1", "65536", true, kSender, kPassword, one}
        << "The Port \"65536\" is not a number from 1 to 65535.";
    QTest::newRow("server as a URL") << MailAccount{"smtps://mail.example.org", "465", true, kSender, kPassword, one}
        << "The Server \"smtps://mail.example.org\" is not a server name: give the name alone, "
           "such as smtp.example.org.";
    QTest::newRow("a command in a recipient")
        << MailAccount{"127.0.0.1", "465", true, kSender, kPassword,
                       {"a@example.org", "b@example.org\r\nRCPT TO:<c@example.org>"}}
        << "Email 2 \"b@example.org\r\nRCPT TO:<c@example.org>\" is not an e-mail address: it "
           "holds a space or a character that no address holds.";
    // clang-format on
}

void TestMailTest::shouldSayWhatIsMissingBeforeConnecting()
{
    QFETCH(MailAccount, account);
    QFETCH(QString, message);

    int steps = 0;
    const MailTestResult result = runMailTest(account, {}, {[&](MailStep) { ++steps; }, {}, {}});
    QCOMPARE(result.message, message);
    QCOMPARE(result.failedStep, MailStep::Checking);
    QCOMPARE(steps, 0);
}

void TestMailTest::shouldNameTheStepThatFailed_data()
{
    QTest::addColumn<QString>("server"); // a server of smtpserver.py, or a host name
    QTest::addColumn<bool>("ssl");
    QTest::addColumn<QString>("password");
    QTest::addColumn<QStringList>("recipients");
    QTest::addColumn<QString>("caFile"); // made by smtpserver.py; empty: the system's
    QTest::addColumn<int>("timeLimit"); // seconds
    QTest::addColumn<QString>("steps");
    QTest::addColumn<QString>("message"); // %1: the server's port
    QTest::addColumn<QStringList>("delivered"); // the message's recipients; none: not sent

    const QString sent
        = u"looking up the server > connecting > logging in > sending the test e-mail"_s;
    const QString login = u"looking up the server > connecting > logging in"_s;
    const QString securing = u"looking up the server > connecting > securing the connection"_s;
    const QStringList a {u"a@example.org"_s}, ab {u"a@example.org"_s, u"b@example.org"_s}, none;
    // clang-format off
    QTest::newRow("accepted") << "plain" << false << kPassword
        << QStringList{"a@example.org", "", "b@example.org"} << "" << 30 << sent
        << "The server accepted the test e-mail for 2 recipients." << ab;
    QTest::newRow("accepted over SSL") << "tls" << true << kPassword << a << "Zertifikat für Tests.pem" << 30
        << securing + " > logging in > sending the test e-mail"
        << "The server accepted the test e-mail for 1 recipient." << a;
    QTest::newRow("wrong password") << "plain" << false << "Tr41l-cam" << a << "" << 30 << login
        << "The server refused the account or password of camera@example.org (535 5.7.8 "
           "Authentication credentials invalid). Many providers need an app password for "
           "devices: make one in the account's security settings and enter it as the Password."
        << none;
    QTest::newRow("unknown host") << "mail.camera.invalid" << false << kPassword << a << "" << 30
        << "looking up the server"
        << "The server name mail.camera.invalid cannot be found. Check the Server, and that "
           "this computer is online." << none;
    QTest::newRow("closed port") << "closed" << false << kPassword << a << "" << 30
        << "looking up the server > connecting"
        << "Nothing answers on port %1 of 127.0.0.1. Check the Server and the Port." << none;
    QTest::newRow("SSL YES, plain server") << "plain" << true << kPassword << a << "cert.pem" << 30
        << securing << "The secure connection to 127.0.0.1 on port %1 failed." << none;
    QTest::newRow("SSL NO, TLS server") << "tls" << false << kPassword << a << "cert.pem" << 1 << login
        << "The time limit of 1 second passed: port %1 of 127.0.0.1 accepted the connection, but "
           "no mail server greeted. If this is the server's SSL port (usually 465), set SSL to YES."
        << none;
    const QString selfSigned = u"The secure connection to 127.0.0.1 is not trusted: the server's "
                               "certificate is self-signed. The camera may still accept it."_s;
    QTest::newRow("self-signed certificate") << "tls" << true << kPassword << a << "" << 30
        << securing << selfSigned << none;
    QTest::newRow("self-signed, another CA trusted") << "tls" << true << kPassword << a
        << "other.pem" << 30 << securing << selfSigned << none;
    QTest::newRow("refused recipient") << "plain" << false << kPassword
        << QStringList{"a@example.org", "refused@example.org", "b@example.org"} << "" << 30 << sent
        << "The server refused the recipient refused@example.org (550 5.1.1 <refused@example.org>: "
           "no such mailbox). It accepted the test e-mail for the other 2 recipients." << ab;
    QTest::newRow("login only after STARTTLS") << "starttls" << false << kPassword << a << "" << 30
        << login << "The server on port %1 of 127.0.0.1 offers no login on this connection, so it "
                    "cannot check the account and password. It offers one only after switching to "
                    "encryption (STARTTLS), which the camera does not do: set SSL to YES and use "
                    "the server's SSL port, usually 465." << none;
    QTest::newRow("time limit") << "silent" << true << kPassword << a << "cert.pem" << 1 << securing
        << "The time limit of 1 second passed while securing the connection." << none;
    // clang-format on
}

void TestMailTest::shouldNameTheStepThatFailed()
{
    QFETCH(QString, server);
    QFETCH(bool, ssl);
    QFETCH(QString, password);
    QFETCH(QStringList, recipients);
    QFETCH(QString, caFile);
    QFETCH(int, timeLimit);
    QFETCH(QString, steps);
    QFETCH(QString, message);
    QFETCH(QStringList, delivered);

    MailAccount tested = account(server, ssl);
    tested.password = password;
    tested.recipients = recipients;
#ifdef Q_OS_WIN
    // Two ways in which Wine's secure channel differs from Windows' own.
    if (ssl && caFile.isEmpty() && server == u"tls")
        QSKIP("Wine's secure channel checks no certificate by itself; the row with a CA file "
              "covers libcurl's own check");
    if (ssl && server == u"plain")
        QSKIP("Wine's secure channel waits for the rest of a TLS record that a plain server "
              "never sends");
#endif
    const MailTestOptions options {std::chrono::seconds(timeLimit),
                                   caFile.isEmpty() ? QString() : m_dir.filePath(caFile)};
    QStringList reported;
    QString dialogue;
    QElapsedTimer clock;
    MailTestHooks hooks;
    hooks.stepStarted = [&](MailStep step) {
        reported.append(mailStepWords(step));
    };
    hooks.dialogue = [&](const QString &line) {
        dialogue += line + u'\n';
    };

    clock.start();
    const MailTestResult result = runMailTest(tested, options, hooks);
    const qint64 took = clock.elapsed();

    QCOMPARE(result.message, message.replace(u"%1"_s, tested.port));
    QCOMPARE(result.accepted, message.startsWith(u"The server accepted"));
    QCOMPARE(result.acceptedRecipients, delivered.size());
    QCOMPARE(reported.join(u" > "_s), steps);
    QCOMPARE(mailStepWords(result.failedStep), reported.last());
    QVERIFY2(took < timeLimit * 1000 + 1000, qPrintable(u"took %1 ms"_s.arg(took)));
    // The verbose dialogue never shows the password, the PLAIN payload that libcurl picks, or
    // the account and password as LOGIN would send them.
    for (const char *secret : {"Tr41l-cam", "AGNhbWVyYUBleGFtcGxlLm9yZwBUcjQxbC1jYW0h",
                               "VHI0MWwtY2FtIQ==", "Y2FtZXJhQGV4YW1wbGUub3Jn"})
        QVERIFY2(!dialogue.contains(QLatin1String(secret)), qPrintable(dialogue));

    const QList<QJsonObject> messages = m_servers.receivedMessages(delivered.isEmpty() ? 0 : 1);
    QCOMPARE(messages.size(), delivered.isEmpty() ? 0 : 1);
    if (delivered.isEmpty())
        return;
    QVERIFY2(dialogue.contains(u"< 235 "_s), qPrintable(dialogue)); // the login was shown
    const QJsonObject headers = messages[0].value("headers").toObject();
    QCOMPARE(messages[0].value("from").toString(), kSender);
    QCOMPARE(messages[0].value("to").toVariant().toStringList(), delivered);
    QCOMPARE(headers.keys(),
             QStringList({"Content-Transfer-Encoding", "Content-Type", "Date", "From",
                          "MIME-Version", "Message-ID", "Subject", "To"}));
    QCOMPARE(headers.value("From").toString(), kSender);
    QCOMPARE(headers.value("Subject").toString(), u"Test e-mail from the camera setting tool"_s);
    QVERIFY(messages[0].value("crlf").toBool());
}

void TestMailTest::shouldSignalOnTheCallersThreadAndCancelWhileItsLoopRuns()
{
    MailTestRun run;
    QStringList steps;
    QList<QThread *> threads;
    std::optional<MailTestResult> result;
    // Direct connections: a signal emitted on the worker thread would run these there.
    connect(
        &run, &MailTestRun::stepStarted, this,
        [&](MailStep, const QString &words) {
            threads.append(QThread::currentThread());
            steps.append(words);
        },
        Qt::DirectConnection);
    connect(
        &run, &MailTestRun::finished, this,
        [&](const MailTestResult &finished) {
            threads.append(QThread::currentThread());
            result = finished;
        },
        Qt::DirectConnection);

    QVERIFY(run.start(account(u"silent"_s, false)));
    QVERIFY(!run.start(account(u"plain"_s, false))); // one test at a time
    QTRY_COMPARE(steps.join(u" > "_s), u"looking up the server > connecting > logging in"_s);
    QElapsedTimer clock;
    clock.start();
    run.cancel();
    QTRY_VERIFY_WITH_TIMEOUT(result.has_value(), 1000);
    QVERIFY(clock.elapsed() < 1000);
    QCOMPARE(result->message, u"The test was cancelled."_s);
    QCOMPARE(threads, QList<QThread *>(4, thread()));
    QVERIFY(!run.isRunning());
}

QTEST_GUILESS_MAIN(TestMailTest)
#include "tst_mailtest.moc"
