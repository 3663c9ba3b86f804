// Invariants of the mail provider table, and its look-ups.

#include "carriers/mailproviders.h"

#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <QTest>

using namespace Qt::StringLiterals;

class TestMailProviders : public QObject
{
    Q_OBJECT

private slots:
    void shouldGiveEveryRowADomainOfItsOwnAServerAndAPort();
    void shouldOfferOnlyWhatTheCameraCanSpeak();
    void shouldCiteASourceForEveryRow();
    void shouldFindTheProviderOfAnAddress_data();
    void shouldFindTheProviderOfAnAddress();
};

void TestMailProviders::shouldGiveEveryRowADomainOfItsOwnAServerAndAPort()
{
    QSet<QString> seen;
    QHash<QString, const MailProvider *> byServer;
    QVERIFY(mailProviderTable().size() >= 40);
    for (const MailProvider &p : mailProviderTable()) {
        const QString name = p.name.toString();
        QVERIFY2(!p.name.isEmpty() && !p.server.isEmpty(), qPrintable(p.server.toString()));
        QVERIFY2(!p.server.contains(u' ') && p.server.contains(u'.'), qPrintable(name));
        bool number = false;
        const int port = p.port.toInt(&number);
        QVERIFY2(number && port > 0 && port < 65536, qPrintable(name));
        QVERIFY2(!p.domains.empty(), qPrintable(name));
        for (const QStringView domain : p.domains) {
            const QString text = domain.toString();
            QVERIFY2(text == text.toLower() && text.contains(u'.') && !text.contains(u'@'),
                     qPrintable(name + u": "_s + text));
            QVERIFY2(!seen.contains(text), qPrintable(text + u" is in two rows"_s));
            seen.insert(text);
        }
        // The server look-up takes the first row of a server: every row of it must agree.
        const MailProvider *first = byServer.value(p.server.toString(), &p);
        QVERIFY2(first->port == p.port && first->security == p.security
                     && first->camera == p.camera,
                 qPrintable(name));
        byServer.insert(p.server.toString(), first);
    }
    QVERIFY(seen.size() >= 60);
}

void TestMailProviders::shouldOfferOnlyWhatTheCameraCanSpeak()
{
    for (const MailProvider &p : mailProviderTable()) {
        const QString name = p.name.toString();
        // TLS from the first byte or nothing: a provider the camera can use has such a port.
        if (p.camera == CameraUse::Works)
            QVERIFY2(p.security == MailSecurity::Tls, qPrintable(name));
        if (p.security == MailSecurity::StartTls)
            QVERIFY2(p.camera == CameraUse::Fails, qPrintable(name));
        // Generate's question names the reason.
        if (p.camera == CameraUse::Fails)
            QVERIFY2(!p.note.isEmpty(), qPrintable(name));
    }
}

void TestMailProviders::shouldCiteASourceForEveryRow()
{
    QFile file(QStringLiteral(MAIL_PROVIDER_TABLE));
    QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(file.fileName()));
    // A row ends with its domains' closing "}}," and its source: the ISPDB file and its
    // commit, or a help page read on a date.
    const QRegularExpression rowEnd(u"\\}\\},\\s*//(.*)$"_s, QRegularExpression::MultilineOption);
    const QRegularExpression source(u"ISPDB \\S+|read \\d{4}-\\d{2}-\\d{2}"_s);
    const QString text = QString::fromUtf8(file.readAll());
    std::size_t rows = 0;
    for (const QRegularExpressionMatch &end : rowEnd.globalMatch(text)) {
        ++rows;
        QVERIFY2(source.match(end.captured(1)).hasMatch(), qPrintable(end.captured(0)));
    }
    QCOMPARE(rows, mailProviderTable().size());
}

void TestMailProviders::shouldFindTheProviderOfAnAddress_data()
{
    QTest::addColumn<QString>("address");
    QTest::addColumn<QString>("server"); // empty: no provider

    // clang-format off
    QTest::newRow("an address")                  << "camera@gmail.com"       << "smtp.gmail.com";
    QTest::newRow("another case, spaces around") << " Camera@GoogleMail.COM " << "smtp.gmail.com";
    QTest::newRow("a bare domain")               << "web.de"                 << "smtp.web.de";
    QTest::newRow("the last @ counts")           << "\"a@b\"@yandex.ru"      << "smtp.yandex.com";
    QTest::newRow("no subdomain of a domain")    << "a@mail.gmail.com"       << "";
    QTest::newRow("an unknown domain")           << "a@example.org"          << "";
    QTest::newRow("no domain yet")               << "camera@"                << "";
    // clang-format on
}

void TestMailProviders::shouldFindTheProviderOfAnAddress()
{
    QFETCH(QString, address);
    QFETCH(QString, server);
    const MailProvider *provider = mailProviderOf(address);
    QCOMPARE(provider ? provider->server.toString() : QString(), server);
    if (provider)
        QCOMPARE(mailProviderOfServer(u' ' + server.toUpper()), provider);
}

QTEST_GUILESS_MAIN(TestMailProviders)
#include "tst_mailproviders.moc"
