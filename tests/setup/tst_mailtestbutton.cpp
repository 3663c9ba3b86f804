#include "common/fakedialogs.h"
#include "common/qtwarnings.h"
#include "common/windowtesting.h"
#include "mail/mailservers.h"
#include "setup/smtpwindow.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <memory>

Q_DECLARE_METATYPE(MessageKind)

// The SMTP window's "Test e-mail" (Command5) against the mail servers of smtpserver.py on
// 127.0.0.1 (Postfix with Dovecot, and the scripted ones), started once and ended on every way
// out (mailservers.h).
class TestMailTestButton : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void shouldTestTheAccountTheWindowShows_data();
    void shouldTestTheAccountTheWindowShows();
    void shouldStayResponsiveAndEndWithinASecondOfCancel();
    void shouldSitClearOfTheDesignedControlsAndFollowTheSslBox();

private:
    // The window, shown, with the account camera@example.org on one of the servers.
    std::unique_ptr<SmtpWindow> open(const QString &server, const QString &ssl,
                                     const QString &password, const QStringList &emails);

    QTemporaryDir m_dir;
    MailServers m_servers;
    FakeDialogs m_dialogs;
    SmtpSettings m_kept;
};

void TestMailTestButton::initTestCase()
{
    QVERIFY(m_dir.isValid());
    START_MAIL_SERVERS(m_servers, m_dir.path());
}

void TestMailTestButton::init()
{
    failOnQtWarnings();
    m_dialogs = FakeDialogs();
}

void TestMailTestButton::cleanup()
{
    for (QWidget *window : QApplication::topLevelWidgets())
        QVERIFY2(!window->isVisible(), qPrintable(window->objectName() + " was left open"));
}

std::unique_ptr<SmtpWindow> TestMailTestButton::open(const QString &server, const QString &ssl,
                                                     const QString &password,
                                                     const QStringList &emails)
{
    auto window = std::make_unique<SmtpWindow>(m_kept, m_dialogs);
    window->setMailTestOptions({std::chrono::seconds(30), m_dir.filePath("ca.pem"), {}});
    const QStringList fields {"Text4",  "Text5",  "Text6",  "Text17", "Text12",
                              "Text13", "Text14", "Text15", "Text16"};
    const QStringList values = QStringList {"127.0.0.1", QString::number(m_servers.port(server)),
                                            "camera@example.org", password}
        + emails;
    for (qsizetype i = 0; i < values.size(); ++i)
        field(window.get(), fields.at(i))->setText(values.at(i));
    box(window.get(), "Combo5")->setEditText(ssl);
    window->show();
    if (!QTest::qWaitForWindowExposed(window.get()))
        QTest::qFail("the SMTP window was not shown", __FILE__, __LINE__);
    return window;
}

void TestMailTestButton::shouldTestTheAccountTheWindowShows_data()
{
    QTest::addColumn<QString>("server");
    QTest::addColumn<QString>("ssl"); // the SSL box's text
    QTest::addColumn<QString>("password");
    QTest::addColumn<MessageKind>("kind");
    QTest::addColumn<QString>("message");
    QTest::addColumn<bool>("sent");

    // clang-format off
    QTest::newRow("accepted") << "plain" << "NO" << "Tr41l-cam!" << MessageKind::Information
        << "The server accepted the test e-mail for 2 recipients." << true;
    QTest::newRow("refused over SSL") << "tls" << "YES" << "Tr41l-cam" << MessageKind::Critical
        << "The server refused the account or password of camera@example.org (535 5.7.8 Error: "
           "authentication failed: (reason unavailable)). Many providers need an app password "
           "for devices: make one in the account's security settings and enter it as Password."
        << false;
    QTest::newRow("a hostile reply, shown harmlessly") << "hostile" << "NO" << "Tr41l-cam!"
        << MessageKind::Critical << "The server refused the account or password of "
           "camera@example.org (535 5.7.8 \\x1b[2J\\x1b[31mAuthentication failed\\u202e). Many "
           "providers need an app password for devices: make one in the account's security "
           "settings and enter it as Password." << false;
    QTest::newRow("SSL neither YES nor NO") << "plain" << "yes" << "Tr41l-cam!"
        << MessageKind::Critical << "SSL must be YES or NO to test the e-mail." << false;
    // clang-format on
}

void TestMailTestButton::shouldTestTheAccountTheWindowShows()
{
    QFETCH(QString, server);
    QFETCH(QString, ssl);
    QFETCH(QString, password);
    QFETCH(MessageKind, kind);
    QFETCH(QString, message);
    QFETCH(bool, sent);
    const auto window = open(server, ssl, password, {"a@example.org", "", "", "", "b@example.org"});

    QTest::mouseClick(child<QAbstractButton>(window.get(), "Command5"), Qt::LeftButton);
    QTRY_COMPARE_WITH_TIMEOUT(m_dialogs.messages.size(), 1, 10000);

    QCOMPARE(m_dialogs.messages.first().text, message);
    QCOMPARE(m_dialogs.kinds, QList<MessageKind> {kind});
    QVERIFY(!m_dialogs.progressOpen);
    QStringList mailboxes;
    for (const auto &[mailbox, text] : m_servers.delivered(sent ? 2 : 0)) {
        mailboxes.append(mailbox);
        QVERIFY(text.startsWith("Return-Path: <camera@example.org>\n"));
    }
    mailboxes.sort();
    QCOMPARE(mailboxes, sent ? QStringList({"a", "b"}) : QStringList());
    window->close();
}

void TestMailTestButton::shouldStayResponsiveAndEndWithinASecondOfCancel()
{
    const auto window = open("silent", "NO", "Tr41l-cam!", {"a@example.org"});
    int ticks = 0;
    QTimer timer;
    connect(&timer, &QTimer::timeout, this, [&ticks] { ++ticks; });
    timer.start(10);

    QTest::mouseClick(child<QAbstractButton>(window.get(), "Command5"), Qt::LeftButton);
    // The silent server accepts the connection and never greets; the step shows in words.
    QTRY_VERIFY(m_dialogs.progressTexts.contains("Logging in…") && ticks >= 10);
    QVERIFY(m_dialogs.progressOpen);
    QElapsedTimer clock;
    clock.start();
    m_dialogs.pressCancel();
    QTRY_VERIFY_WITH_TIMEOUT(!m_dialogs.progressOpen, 1000);
    QVERIFY2(clock.elapsed() < 1000, qPrintable(QString::number(clock.elapsed())));
    QVERIFY(m_dialogs.messages.isEmpty()); // the user cancelled: no box says so
    window->close();
}

void TestMailTestButton::shouldSitClearOfTheDesignedControlsAndFollowTheSslBox()
{
    const auto window = open("plain", "YES", {}, {});
    const auto placeOf = [&window](const QWidget *control) {
        return QRect(control->mapTo(window.get(), QPoint()), control->size());
    };
    auto *button = child<QAbstractButton>(window.get(), "Command5");
    QVERIFY(button->isVisible() && window->rect().contains(placeOf(button)));
    for (const ControlDesign &design : smtpWindowDesign().controls) {
        const QWidget *other = child(window.get(), design.name);
        if (other != button)
            QVERIFY2(!placeOf(other).intersects(placeOf(button)), qPrintable(design.name));
    }

    box(window.get(), "Combo5")->setFocus();
    QTest::keyClick(window->focusWidget(), Qt::Key_Tab);
    QCOMPARE(window->focusWidget(), button);
    window->close();
}

QTEST_MAIN(TestMailTestButton)
#include "tst_mailtestbutton.moc"
