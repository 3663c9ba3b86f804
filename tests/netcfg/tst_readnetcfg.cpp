#include "common/cardsnapshot.h"
#include "netcfg/netcfg.h"
#include "netcfg/readnetcfg.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#ifndef Q_OS_WIN
#include <sys/stat.h>
#endif

namespace {

// The section's header, then each key that holds a value, as key=value in the camera's order.
QStringList headerAndValues(const NetCfgFile &read)
{
    const QStringList lines
        = QString::fromLatin1(
              std::visit([](const auto &s) { return ComposeNetCfg(s); }, read.settings))
              .split(QStringLiteral("\r\n"));
    QStringList given;
    for (const QString &line : lines) {
        if (!line.isEmpty() && !line.sliced(line.indexOf(u'=') + 1).isEmpty())
            given.append(line);
    }
    return given;
}

} // namespace

class TestReadNetCfg : public QObject
{
    Q_OBJECT

private slots:
    void shouldReadWhatTheCameraReads_data();
    void shouldReadWhatTheCameraReads();
    void shouldOpenOnlyARegularFileWithinTheLimit_data();
    void shouldOpenOnlyARegularFileWithinTheLimit();
};

void TestReadNetCfg::shouldReadWhatTheCameraReads_data()
{
    QTest::addColumn<QByteArray>("plain"); // stored as the camera's substitution stores it
    QTest::addColumn<QStringList>("read"); // the header and the keys given, in the camera's order
    QTest::addColumn<QStringList>("repeated");
    QTest::addColumn<QString>("error");

    // clang-format off
    QTest::newRow("MMS; unknown keys, other section's keys, lines without =")
        << QByteArray("[MMS]\r\nAPN=apn\r\nFoo=bar\r\njunk\r\nServer=s\r\n[SMTP]\r\nURL =y\r\nURL=http://m\r\n")
        << QStringList{"[MMS]", "URL=http://m", "APN=apn"} << QStringList{} << "";
    QTest::newRow("SMTP; keys missing, bare LF, no last line end") << QByteArray("[SMTP]\nPort=25\n\nSSL=2")
        << QStringList{"[SMTP]", "Port=25", "SSL=2"} << QStringList{} << "";
    QTest::newRow("repeated keys: the first counts")
        << QByteArray("[MMS]\r\nPhone1=1\r\nPhone1=2\r\nEmail1=\r\nPhone1=3\r\nEmail1=b\r\n")
        << QStringList{"[MMS]", "Phone1=1"} << QStringList{"Phone1", "Email1"} << "";
    QTest::newRow("bare CR ends a line; split at the first =, nothing trimmed")
        << QByteArray("[MMS]\rURL=u\rv\r\nAPN==\r\nAPNPassword= p=w= ")
        << QStringList{"[MMS]", "URL=u", "APN==", "APNPassword= p=w= "} << QStringList{} << "";
    QTest::newRow("kept bytes read as the camera reads them")
        << QByteArray("[SMTP]\r\nPassword=a\xfc" "b\xf1Server=c\xe9\r\n")
        << QStringList{"[SMTP]", "Server=c\u00e9", "Password=a=b"} << QStringList{} << "";
    QTest::newRow("header with a space") << QByteArray("[SMTP] \r\nAPN=a\r\n") << QStringList{} << QStringList{}
        << "The file is not a settings file: its first line is neither [MMS] nor [SMTP].";
    QTest::newRow("empty") << QByteArray() << QStringList{} << QStringList{}
        << "The file is not a settings file: it is empty.";
    QTest::newRow("at the limit") << "[MMS]\r\nURL=" + QByteArray(32767 - 11, 'u')
        << QStringList{"[MMS]", "URL=" + QString(32767 - 11, u'u')} << QStringList{} << "";
    QTest::newRow("one past the limit") << "[MMS]\r\nURL=" + QByteArray(32768 - 11, 'u')
        << QStringList{} << QStringList{}
        << "The file is not a settings file: it holds 32768 bytes, and the camera reads at most 32767.";
    // clang-format on
}

void TestReadNetCfg::shouldReadWhatTheCameraReads()
{
    QFETCH(QByteArray, plain);
    QFETCH(QStringList, read);
    QFETCH(QStringList, repeated);
    QFETCH(QString, error);

    const Result<NetCfgFile> result = ParseNetCfg(encodeBytes(plain));
    QCOMPARE(result.reason(), error);
    QCOMPARE(result.ok(), error.isEmpty());
    if (result) {
        QCOMPARE(headerAndValues(*result), read);
        QCOMPARE(result->repeatedKeys, repeated);
    }
}

// Whatever stands there, nothing but a regular file is opened; the reading itself is the window
// tests' (tests/setup).
void TestReadNetCfg::shouldOpenOnlyARegularFileWithinTheLimit_data()
{
    QTest::addColumn<QString>("standing"); // what stands at the path
    QTest::addColumn<QString>("error"); // %1: the test's folder

    // clang-format off
    QTest::newRow("FIFO") << "fifo"
        << "%1/NET.CFG is not a settings file: it is a FIFO, not a regular file.";
    QTest::newRow("link to a regular file") << "link"
        << "%1/NET.CFG is not a settings file: it is a symbolic link, not a regular file.";
    QTest::newRow("endless device") << "/dev/zero"
        << "/dev/zero is not a settings file: it is a device, not a regular file.";
    QTest::newRow("huge file") << "huge"
        << "%1/NET.CFG is not a settings file: it holds 4294967296 bytes, and the camera reads at most 32767.";
    // clang-format on
}

void TestReadNetCfg::shouldOpenOnlyARegularFileWithinTheLimit()
{
    QFETCH(QString, standing);
    QFETCH(QString, error);

#ifdef Q_OS_WIN
    if (standing != u"huge")
        QSKIP("Windows has no FIFO and no /dev/zero, and QFile::link makes a .lnk shortcut");
#endif
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = standing.startsWith(u'/') ? standing : dir.filePath("NET.CFG");
    put(dir.filePath("settings"), encodeBytes("[SMTP]\r\n"));
    if (standing == u"link")
        QVERIFY(QFile::link(dir.filePath("settings"), path));
#ifndef Q_OS_WIN
    if (standing == u"fifo")
        QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
#endif
    QFile huge(path); // sparse: takes no room
    if (standing == u"huge")
        QVERIFY(huge.open(QIODevice::WriteOnly) && huge.resize(qint64(1) << 32));

    QCOMPARE(ReadNetCfg(path).reason(),
             QDir::toNativeSeparators(error.contains(u"%1") ? error.arg(dir.path()) : error));
}

QTEST_GUILESS_MAIN(TestReadNetCfg)
#include "tst_readnetcfg.moc"
