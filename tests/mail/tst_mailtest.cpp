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

// The accounts of realservers.py.
const QString kSender = u"camera@example.org"_s;
const QString kPassword = u"Tr41l-cam!"_s;

} // namespace

// The test e-mail against real mail servers on 127.0.0.1: Postfix with Dovecot, and scripted
// servers for what they never do (smtpserver.py, started once for all tests and ended on
// every way out: see mailservers.h).
class TestMailTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void shouldCheckTheAccountBeforeConnecting_data();
    void shouldCheckTheAccountBeforeConnecting();
    void shouldNameTheStepAndTheServersReply_data();
    void shouldNameTheStepAndTheServersReply();
    void shouldSignalOnTheCallersThreadAndCancelWhileItsLoopRuns();

private:
    QTemporaryDir m_dir;
    MailServers m_servers;
};

void TestMailTest::initTestCase()
{
    QVERIFY(m_dir.isValid());
    START_MAIL_SERVERS(m_servers, m_dir.path());
    // A proxy for every scheme, which the test must not use: the camera connects directly.
    const QByteArray proxy = "http://127.0.0.1:" + QByteArray::number(m_servers.port(u"closed"_s));
    for (const char *name : {"ALL_PROXY", "http_proxy", "HTTPS_PROXY"})
        qputenv(name, proxy);
    // The test CA again, under a name that is not ASCII.
    QVERIFY(
        QFile::copy(m_dir.filePath(u"ca.pem"_s), m_dir.filePath(u"Zertifikat für Tests.pem"_s)));
}

void TestMailTest::cleanupTestCase()
{
    m_servers.stop();
}

void TestMailTest::shouldCheckTheAccountBeforeConnecting_data()
{
    QTest::addColumn<MailAccount>("account");
    QTest::addColumn<QString>("caFile"); // in the test's folder
    QTest::addColumn<QString>("message");

    const QStringList one {u"a@example.org"_s};
    // clang-format off
    QTest::newRow("nothing filled") << MailAccount{{}, {}, true, {}, {}, {{}, {}}} << ""
        << "Fill in Server, Port, Sender, Password and at least one of Email1 to Email5.";
    QTest::newRow("a port in the server") << MailAccount{"smtp.example.org:465", "465", true, kSender, kPassword, one}
        << "" << "Server \"smtp.example.org:465\" holds a port: give the server's name alone, and "
                 "the port (465) in Port.";
    QTest::newRow("a line break in a recipient")
        << MailAccount{"127.0.0.1", "465", true, kSender, kPassword, {"a@example.org", "b@example.org\r\nRCPT TO:<c@example.org>"}}
        << "" << "Email2: a line break cannot be written for the camera";
    QTest::newRow("a password Generate refuses") << MailAccount{"127.0.0.1", "465", true, kSender, "a\u00f1b\u4e2d", one}
        << "" << "Password: \"中\" cannot be written for the camera, and the camera would read \"ñ\" as a line break";
    QTest::newRow("a password longer than the file") << MailAccount{"127.0.0.1", "465", true, kSender, QString(32700, 'p'), one}
        << "" << "Password is 32700 characters long, longer than the camera's file can hold (32767 bytes in all, "
                 "and these values take 32880): shorten it.";
    QTest::newRow("an ESC in the sender") << MailAccount{"127.0.0.1", "465", true, "a\x1b[2J@example.org", kPassword, one}
        << "" << "Sender \"a\\x1b[2J@example.org\" is not an e-mail address: it holds a space or a "
                 "character that no address holds.";
    QTest::newRow("a CA file that is not there") << MailAccount{"127.0.0.1", "465", true, kSender, kPassword, one}
        << "missing.pem" << "The CA file \"{dir}/missing.pem\" does not exist.";
    QTest::newRow("a CA file that is a folder") << MailAccount{"127.0.0.1", "465", true, kSender, kPassword, one}
        << "mail" << "The CA file \"{dir}/mail\" is a folder: name the certificate file in it.";
    QTest::newRow("a CA file without a certificate") << MailAccount{"127.0.0.1", "465", true, kSender, kPassword, one}
        << "ca.pem.key" << "The CA file \"{dir}/ca.pem.key\" holds no certificate (PEM, \"-----BEGIN CERTIFICATE-----\").";
    // clang-format on
}

void TestMailTest::shouldCheckTheAccountBeforeConnecting()
{
    QFETCH(MailAccount, account);
    QFETCH(QString, caFile);
    QFETCH(QString, message);

    int steps = 0;
    MailTestOptions options;
    options.caFile = caFile.isEmpty() ? QString() : m_dir.filePath(caFile);
    const MailTestResult result
        = runMailTest(account, options, {[&](MailStep) { ++steps; }, {}, {}});
    QCOMPARE(result.message, message.replace(u"{dir}"_s, m_dir.path()));
    QCOMPARE(result.failedStep, MailStep::Checking);
    QCOMPARE(steps, 0);
}

void TestMailTest::shouldNameTheStepAndTheServersReply_data()
{
    QTest::addColumn<QString>("server"); // a server of smtpserver.py, or a host name
    QTest::addColumn<bool>("ssl");
    QTest::addColumn<QString>("sender");
    QTest::addColumn<QString>("password");
    QTest::addColumn<QStringList>("recipients");
    QTest::addColumn<QString>("caFile"); // in the test's folder; empty: the system's
    QTest::addColumn<int>("timeLimit"); // seconds
    QTest::addColumn<QString>("steps");
    QTest::addColumn<QString>("commands"); // what the test sent, the login masked
    QTest::addColumn<QString>("message"); // %1: the server's port
    QTest::addColumn<QStringList>("delivered"); // the mailboxes that got the message

    const QString sent
        = u"looking up the server > connecting > logging in > sending the test e-mail"_s;
    const QString login = u"looking up the server > connecting > logging in"_s;
    const QString securing = u"looking up the server > connecting > securing the connection"_s;
    const QString sentOverSsl = securing + u" > logging in > sending the test e-mail"_s;
    const QString appPassword = u" Many providers need an app password for devices: make one "
                                "in the account's security settings and enter it as Password."_s;
    const QString untrusted = u"The secure connection to 127.0.0.1 is not trusted: the server's "
                              "certificate %2. The camera may still accept it."_s;
    const QStringList a {u"a@example.org"_s}, none;
    // clang-format off
    QTest::newRow("accepted") << "plain" << false << kSender << kPassword
        << QStringList{"a@example.org", "", "b@example.org"} << "" << 30 << sent
        << "EHLO, AUTH PLAIN ****, MAIL, RCPT, RCPT, DATA, ., QUIT"
        << "The server accepted the test e-mail for 2 recipients." << QStringList{"a", "b"};
    QTest::newRow("accepted over SSL") << "tls" << true << kSender << kPassword << a
        << "Zertifikat für Tests.pem" << 30 << sentOverSsl << "EHLO, AUTH PLAIN ****, MAIL, RCPT, DATA, ., QUIT"
        << "The server accepted the test e-mail for 1 recipient." << QStringList{"a"};
    QTest::newRow("accepted, the camera's bytes of a password") << "plain" << false << "pierre@example.org"
        << "Mot-de-passé1" << a << "" << 30 << sent << "EHLO, AUTH PLAIN ****, MAIL, RCPT, DATA, ., QUIT"
        << "The server accepted the test e-mail for 1 recipient. The server received Password as the "
           "camera sends it: the letters outside ASCII as single bytes of Windows-1252." << QStringList{"a"};
    QTest::newRow("accepted by LOGIN") << "login" << false << kSender << kPassword << a << "" << 30
        << sent << "EHLO, AUTH LOGIN, ****, ****, MAIL, RCPT, DATA, ., QUIT"
        << "The server accepted the test e-mail for 1 recipient." << QStringList{"a"};
    QTest::newRow("wrong password") << "plain" << false << kSender << "Tr41l-cam" << a << "" << 30 << login
        << "EHLO, AUTH PLAIN ****, QUIT"
        << "The server refused the account or password of camera@example.org (535 5.7.8 Error: "
           "authentication failed: (reason unavailable))." + appPassword << none;
    QTest::newRow("wrong password of a provider that wants an app password") << "plain" << false
        << "camera@gmail.com" << kPassword << a << "" << 30 << login << "EHLO, AUTH PLAIN ****, QUIT"
        << "The server refused the account or password of camera@gmail.com (535 5.7.8 Error: "
           "authentication failed: (reason unavailable)). Gmail needs an app password (made in the "
           "Google Account once 2-Step Verification is on)." << none;
    QTest::newRow("a password not in the camera's bytes") << "plain" << false << "pierre@example.org"
        << "Mot-de-passè1" << a << "" << 30 << login << "EHLO, AUTH PLAIN ****, QUIT"
        << "The server refused the account or password of pierre@example.org (535 5.7.8 Error: "
           "authentication failed: (reason unavailable))." + appPassword + " Password holds letters "
           "outside ASCII (\"è\"), the likely cause: the camera sends them as single bytes of "
           "Windows-1252, where many servers expect plain ASCII or UTF-8." << none;
    QTest::newRow("sender refused") << "plain" << false << "outsider@example.org" << kPassword << a
        << "" << 30 << sent << "EHLO, AUTH PLAIN ****, MAIL, QUIT"
        << "The server refused the sender outsider@example.org (553 5.7.1 <outsider@example.org>: "
           "Sender address rejected: not owned by user outsider@example.org). Many providers "
           "accept only the account's own address as the sender." << none;
    QTest::newRow("one recipient refused") << "plain" << false << kSender << kPassword
        << QStringList{"a@example.org", "nobody@example.org", "b@example.org"} << "" << 30 << sent
        << "EHLO, AUTH PLAIN ****, MAIL, RCPT, RCPT, RCPT, DATA, ., QUIT"
        << "The server refused the recipient nobody@example.org (550 5.1.1 <nobody@example.org>: "
           "Recipient address rejected: User unknown in virtual mailbox table). It accepted the "
           "test e-mail for the other 2 recipients." << QStringList{"a", "b"};
    QTest::newRow("every recipient refused, one for now") << "plain" << false << kSender << kPassword
        << QStringList{"nobody@example.org", "full@example.org"} << "" << 30 << sent
        << "EHLO, AUTH PLAIN ****, MAIL, RCPT, RCPT, QUIT"
        << "The server refused the recipients nobody@example.org (550 5.1.1 <nobody@example.org>: "
           "Recipient address rejected: User unknown in virtual mailbox table) and full@example.org "
           "(452 4.2.2 <full@example.org>: Recipient address rejected: <full@example.org>: Mailbox "
           "full)." << none;
    QTest::newRow("a recipient for now") << "plain" << false << kSender << kPassword
        << QStringList{"full@example.org"} << "" << 30 << sent << "EHLO, AUTH PLAIN ****, MAIL, RCPT, QUIT"
        << "The server could not take the recipient full@example.org (452 4.2.2 <full@example.org>: "
           "Recipient address rejected: <full@example.org>: Mailbox full) now: try again later." << none;
    QTest::newRow("a recipient outside ASCII") << "plain" << false << kSender << kPassword
        << QStringList{"josé@example.org"} << "" << 30 << sent
        << "EHLO, AUTH PLAIN ****, MAIL, RCPT TO:<jos\\xe9@example.org>, QUIT"
        << "The server refused the recipient josé@example.org (500 5.5.2 Error: bad UTF-8 syntax). "
           "Email1 holds letters outside ASCII (\"é\"), the likely cause: the camera sends them as "
           "single bytes of Windows-1252, where many servers expect plain ASCII or UTF-8." << none;
    QTest::newRow("content refused") << "plain" << false << kSender << kPassword
        << QStringList{"spam@example.org"} << "" << 30 << sent << "EHLO, AUTH PLAIN ****, MAIL, RCPT, DATA, ., QUIT"
        << "The server refused the test e-mail once it had it (550 5.7.1 message content refused)." << none;
    QTest::newRow("greeting refused") << "blocked" << false << kSender << kPassword << a << "" << 30
        << login << "QUIT" << "The server on port %1 of 127.0.0.1 turned this computer away (554 5.7.1 "
                              "<unknown[127.0.0.1]>: Client host rejected: Access denied)." << none;
    QTest::newRow("greeting refused for now") << "busy" << false << kSender << kPassword << a << ""
        << 30 << login << "QUIT" << "The server on port %1 of 127.0.0.1 turned this computer away "
           "for now (421 4.7.0 test.example.org Too many connections, try again later). Try again "
           "later; the account and password were not checked." << none;
    QTest::newRow("no login method in common") << "scram" << false << kSender << kPassword << a << ""
        << 30 << login << "EHLO, QUIT" << "The server on port %1 of 127.0.0.1 offers only "
           "SCRAM-SHA-256 to log in, and the camera logs in with a password by PLAIN or LOGIN: it "
           "cannot log in here." << none;
    QTest::newRow("login only after STARTTLS") << "submission" << false << kSender << kPassword << a
        << "" << 30 << login << "EHLO, QUIT" << "The server on port %1 of 127.0.0.1 offers no login "
           "on this connection, so it cannot check the account and password. It offers one only "
           "after switching to encryption (STARTTLS), which the camera does not do: set SSL to YES "
           "and use the server's SSL port, usually 465." << none;
    QTest::newRow("login service down") << "tempauth" << false << kSender << kPassword << a << ""
        << 30 << login << "EHLO, AUTH PLAIN ****, QUIT" << "The server on port %1 of 127.0.0.1 could "
           "not check the login now (454 4.7.0 Temporary authentication failure): try again later. "
           "This does not say that the account or password is wrong." << none;
    QTest::newRow("a hostile reply") << "hostile" << false << kSender << kPassword << a << "" << 30
        << login << "EHLO, AUTH PLAIN ****, QUIT" << "The server refused the account or password of "
           "camera@example.org (535 5.7.8 \\x1b[2J\\x1b[31mAuthentication failed\\u202e)." + appPassword << none;
    QTest::newRow("silent after the message") << "stall" << false << kSender << kPassword << a << ""
        << 2 << sent << "EHLO, AUTH PLAIN ****, MAIL, RCPT, DATA, ., QUIT" << "The time limit of 2 "
           "seconds passed while sending the test e-mail: the server did not answer the end of "
           "the test e-mail." << none;
    QTest::newRow("SSL YES, a plain server") << "plain" << true << kSender << kPassword << a << ""
        << 4 << securing << "" << "The server on port %1 of 127.0.0.1 starts unencrypted: it greeted "
           "in plain text, where SSL YES expects encryption from the first byte. Set SSL to NO, or "
           "use the server's SSL port (usually 465) with SSL YES." << none;
    QTest::newRow("SSL NO, a TLS server") << "tls" << false << kSender << kPassword << a << "" << 2
        << login << "" << "The server on port %1 of 127.0.0.1 accepted the connection, but no mail "
           "server greeted within 2 seconds. If this is the server's SSL port (usually 465), set "
           "SSL to YES." << none;
    QTest::newRow("SSL YES, silent") << "silent" << true << kSender << kPassword << a << "ca.pem"
        << 2 << securing << "" << "The server on port %1 of 127.0.0.1 accepted the connection, but "
           "neither a secure connection nor a mail server's greeting came within 1 second." << none;
    QTest::newRow("self-signed certificate") << "selfsigned" << true << kSender << kPassword << a
        << "" << 30 << securing << "" << untrusted.arg("is self-signed") << none;
    QTest::newRow("a private authority") << "tls" << true << kSender << kPassword << a << "other.pem"
        << 30 << securing << "" << untrusted.arg("comes from an authority this computer does not know") << none;
    QTest::newRow("unknown host") << "mail.camera.invalid" << false << kSender << kPassword << a << ""
        << 30 << "looking up the server" << "" << "The server name mail.camera.invalid cannot be "
           "found. Check Server, and that this computer is online." << none;
    QTest::newRow("closed port") << "closed" << false << kSender << kPassword << a << "" << 30
        << "looking up the server > connecting" << "" << "Nothing answers on port %1 of 127.0.0.1. "
           "Check Server and Port." << none;
    // clang-format on
}

void TestMailTest::shouldNameTheStepAndTheServersReply()
{
    QFETCH(QString, server);
    QFETCH(bool, ssl);
    QFETCH(QString, sender);
    QFETCH(QString, password);
    QFETCH(QStringList, recipients);
    QFETCH(QString, caFile);
    QFETCH(int, timeLimit);
    QFETCH(QString, steps);
    QFETCH(QString, commands);
    QFETCH(QString, message);
    QFETCH(QStringList, delivered);

#ifdef Q_OS_WIN
    if (ssl && caFile.isEmpty() && server != u"plain")
        QSKIP("Wine's secure channel checks no certificate by itself; the row with a CA file "
              "covers libcurl's own check");
#endif
    const int port = m_servers.port(server);
    const MailAccount account {port ? u"127.0.0.1"_s : server,
                               QString::number(port ? port : 25),
                               ssl,
                               sender,
                               password,
                               recipients};
    const MailTestOptions options {
        std::chrono::seconds(timeLimit), caFile.isEmpty() ? QString() : m_dir.filePath(caFile), {}};
    QStringList reported;
    QString dialogue;
    MailTestHooks hooks;
    hooks.stepStarted = [&](MailStep step) {
        reported.append(mailStepWords(step));
    };
    hooks.dialogue = [&](const QString &line) {
        dialogue += line + u'\n';
    };

    QElapsedTimer clock;
    clock.start();
    const MailTestResult result = runMailTest(account, options, hooks);
    const qint64 took = clock.elapsed();

    QCOMPARE(result.message, message.replace(u"%1"_s, account.port));
    QCOMPARE(result.accepted, message.startsWith(u"The server accepted"));
    QCOMPARE(reported.join(u" > "_s), steps);
    QCOMPARE(mailStepWords(result.failedStep), reported.last());
    QVERIFY2(took < timeLimit * 1000 + 1000, qPrintable(u"took %1 ms"_s.arg(took)));
    // What was sent, the verbs alone but where a row names more; QUIT on every way out.
    QStringList sentCommands;
    for (const MailExchange &exchange : result.dialogue.sliced(result.dialogue.isEmpty() ? 0 : 1)) {
        const QString verb = exchange.command.section(u' ', 0, 0).section(u':', 0, 0);
        sentCommands.append(
            commands.contains(exchange.command) || verb == u"AUTH" ? exchange.command : verb);
    }
    QCOMPARE(sentCommands.join(u", "_s), commands);
    // The verbose dialogue never shows the password, as typed or as either login sends it, nor
    // a raw control character from the server.
    const QByteArray bytes = password.toLatin1();
    for (const QString &secret :
         {password, QString::fromLatin1(bytes.toBase64()),
          QString::fromLatin1(('\0' + sender.toLatin1() + '\0' + bytes).toBase64())})
        QVERIFY2(!dialogue.contains(secret), qPrintable(dialogue));
    QVERIFY2(!dialogue.contains(QChar(0x1b)) && !dialogue.contains(QChar(0x202e)),
             qPrintable(dialogue));

    // What Postfix delivered, from the camera's bytes of the sender.
    const QList<std::pair<QString, QByteArray>> messages = m_servers.delivered(delivered.size());
    QStringList mailboxes;
    for (const auto &[mailbox, text] : messages) {
        mailboxes.append(mailbox);
        QVERIFY2(text.startsWith("Return-Path: <" + sender.toLatin1() + ">\n"), text.constData());
        QVERIFY(text.contains("\nSubject: Test e-mail from the camera setting tool\n"));
    }
    mailboxes.sort();
    QCOMPARE(mailboxes, delivered);
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

    const MailAccount silent {u"127.0.0.1"_s, QString::number(m_servers.port(u"silent"_s)),
                              false,          kSender,
                              kPassword,      {u"a@example.org"_s}};
    QVERIFY(run.start(silent));
    QVERIFY(!run.start(silent)); // one test at a time
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
