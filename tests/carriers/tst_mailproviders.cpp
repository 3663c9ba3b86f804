// Invariants of the mail provider table. (Its look-ups run in the SMTP window's and the
// command line's tests.)

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
    void shouldGiveEachDomainOneRowThatTheCameraCanSpeak();
    void shouldCiteASourceForEveryRow();
};

void TestMailProviders::shouldGiveEachDomainOneRowThatTheCameraCanSpeak()
{
    QSet<QString> domains;
    for (const MailProvider &p : mailProviderTable()) {
        const QByteArray name = p.name.toUtf8();
        QVERIFY2(!p.name.isEmpty() && p.server.contains(u'.') && !p.domains.empty(), name);
        QVERIFY2(p.port.toInt() > 0 && p.port.toInt() < 65536, name);
        for (const QStringView domain : p.domains) {
            QVERIFY2(domain == domain.toString().toLower(), name);
            QVERIFY2(!domains.contains(domain.toString()),
                     qPrintable(domain.toString() + u" twice"_s));
            domains.insert(domain.toString());
        }
        // TLS from the first byte or nothing: a provider the camera can use has such a port,
        // and one it cannot has the reason that Generate's question names.
        QVERIFY2(p.camera == CameraUse::Fails || p.security == MailSecurity::Tls, name);
        QVERIFY2(p.camera == CameraUse::Works || !p.note.isEmpty(), name);
        // The server look-up takes the first row of a server: its rows agree.
        const MailProvider *first = mailProviderOfServer(p.server);
        QVERIFY2(first->port == p.port && first->camera == p.camera, name);
    }
    QVERIFY(domains.size() >= 60);
}

void TestMailProviders::shouldCiteASourceForEveryRow()
{
    QFile file(QStringLiteral(MAIL_PROVIDER_TABLE));
    QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(file.fileName()));
    // A row ends with its domains' "}}," and its source: an ISPDB file, or a page read on a day.
    const QRegularExpression rowEnd(u"\\}\\},\\s*//(.*)$"_s, QRegularExpression::MultilineOption);
    const QRegularExpression source(u"ISPDB \\S+|read \\d{4}-\\d{2}-\\d{2}"_s);
    std::size_t rows = 0;
    for (const QRegularExpressionMatch &end :
         rowEnd.globalMatch(QString::fromUtf8(file.readAll()))) {
        ++rows;
        QVERIFY2(source.match(end.captured(1)).hasMatch(), qPrintable(end.captured(0)));
    }
    QCOMPARE(rows, mailProviderTable().size());
}

QTEST_GUILESS_MAIN(TestMailProviders)
#include "tst_mailproviders.moc"
