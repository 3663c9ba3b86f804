#include "common/cardsnapshot.h"
#include "netcfg/netcfg.h"
#include "netcfg/readnetcfg.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

using Values = QHash<QString, QString>; // key -> value, for the keys that are not empty
Q_DECLARE_METATYPE(NetCfgRead::Outcome)

namespace {

using Outcome = NetCfgRead::Outcome;

// The values a read gave, under the keys of its section.
Values valuesOf(const NetCfgRead &read)
{
    // clang-format off
    const QList<std::pair<const char *, QString>> pairs = read.section == NetCfgSection::Mms
        ? QList<std::pair<const char *, QString>>{
              {"URL", read.mms.URL}, {"APN", read.mms.APN}, {"IP", read.mms.IP},
              {"Port", read.mms.Port}, {"Phone1", read.mms.Phone1}, {"Phone2", read.mms.Phone2},
              {"Phone3", read.mms.Phone3}, {"Phone4", read.mms.Phone4},
              {"Phone5", read.mms.Phone5}, {"Email1", read.mms.Email1},
              {"Email2", read.mms.Email2}, {"Email3", read.mms.Email3},
              {"Email4", read.mms.Email4}, {"Email5", read.mms.Email5},
              {"APNAccount", read.mms.APNAccount}, {"APNPassword", read.mms.APNPassword}}
        : QList<std::pair<const char *, QString>>{
              {"APN", read.smtp.APN}, {"Server", read.smtp.Server}, {"Port", read.smtp.Port},
              {"Sender", read.smtp.Sender}, {"Password", read.smtp.Password},
              {"Email1", read.smtp.Email1}, {"Email2", read.smtp.Email2},
              {"Email3", read.smtp.Email3}, {"Email4", read.smtp.Email4},
              {"Email5", read.smtp.Email5}, {"SSL", read.smtp.SSL},
              {"Phone1", read.smtp.Phone1}, {"APNAccount", read.smtp.APNAccount},
              {"APNPassword", read.smtp.APNPassword}};
    // clang-format on
    Values values;
    for (const auto &[key, value] : pairs) {
        if (!value.isEmpty())
            values.insert(QString::fromLatin1(key), value);
    }
    return values;
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
    QTest::addColumn<Outcome>("outcome");
    QTest::addColumn<QString>("section");
    QTest::addColumn<Values>("values");
    QTest::addColumn<QStringList>("repeated");
    QTest::addColumn<QString>("error");

    const QString notSettings = "The file is not a settings file: its first line is neither "
                                "[MMS] nor [SMTP].";
    // clang-format off
    QTest::newRow("every MMS key") << QByteArray(
        "[MMS]\r\nURL=http://m/mms\r\nAPN=apn\r\nIP=10.0.0.1\r\nPort=8080\r\nPhone1=1\r\n"
        "Phone2=2\r\nPhone3=3\r\nPhone4=4\r\nPhone5=5\r\nEmail1=a@b.c\r\nEmail2=e2\r\n"
        "Email3=e3\r\nEmail4=e4\r\nEmail5=e5\r\nAPNAccount=user\r\nAPNPassword=pw\r\n")
        << Outcome::Read << "MMS"
        << Values{{"URL", "http://m/mms"}, {"APN", "apn"}, {"IP", "10.0.0.1"}, {"Port", "8080"},
                  {"Phone1", "1"}, {"Phone2", "2"}, {"Phone3", "3"}, {"Phone4", "4"}, {"Phone5", "5"},
                  {"Email1", "a@b.c"}, {"Email2", "e2"}, {"Email3", "e3"}, {"Email4", "e4"},
                  {"Email5", "e5"}, {"APNAccount", "user"}, {"APNPassword", "pw"}}
        << QStringList{} << "";
    QTest::newRow("every SMTP key") << QByteArray(
        "[SMTP]\r\nAPN=apn\r\nServer=smtp.x\r\nPort=465\r\nSender=me@x\r\nPassword=s\r\n"
        "Email1=e1\r\nEmail2=e2\r\nEmail3=e3\r\nEmail4=e4\r\nEmail5=e5\r\nSSL=1\r\nPhone1=12\r\n"
        "APNAccount=user\r\nAPNPassword=pw\r\n")
        << Outcome::Read << "SMTP"
        << Values{{"APN", "apn"}, {"Server", "smtp.x"}, {"Port", "465"}, {"Sender", "me@x"},
                  {"Password", "s"}, {"Email1", "e1"}, {"Email2", "e2"}, {"Email3", "e3"},
                  {"Email4", "e4"}, {"Email5", "e5"}, {"SSL", "1"}, {"Phone1", "12"},
                  {"APNAccount", "user"}, {"APNPassword", "pw"}}
        << QStringList{} << "";
    QTest::newRow("unknown keys, other section's keys, lines without =")
        << QByteArray("[MMS]\r\nFoo=bar\r\njunk\r\nServer=s\r\n[SMTP]\r\nurl=x\r\nURL =y\r\nAPN=a\r\n")
        << Outcome::Read << "MMS" << Values{{"APN", "a"}} << QStringList{} << "";
    QTest::newRow("missing keys stay empty") << QByteArray("[SMTP]\r\nPort=25\r\n")
        << Outcome::Read << "SMTP" << Values{{"Port", "25"}} << QStringList{} << "";
    QTest::newRow("header alone") << QByteArray("[MMS]")
        << Outcome::Read << "MMS" << Values{} << QStringList{} << "";
    QTest::newRow("repeated keys: the first counts") << QByteArray(
        "[MMS]\r\nPhone1=1\r\nPhone1=2\r\nEmail1=\r\nPhone1=3\r\nEmail1=b\r\n")
        << Outcome::Read << "MMS" << Values{{"Phone1", "1"}}
        << QStringList{"Phone1", "Email1"} << "";
    QTest::newRow("bare LF, no last line end") << QByteArray("[SMTP]\nAPN=x\n\nSSL=2")
        << Outcome::Read << "SMTP" << Values{{"APN", "x"}, {"SSL", "2"}} << QStringList{} << "";
    QTest::newRow("bare CR ends a line too") << QByteArray("[MMS]\rURL=u\rv\r\nIP=i")
        << Outcome::Read << "MMS" << Values{{"URL", "u"}, {"IP", "i"}} << QStringList{} << "";
    QTest::newRow("split at the first =, nothing trimmed")
        << QByteArray("[MMS]\r\nAPNPassword= p=w= \r\nAPN==\r\n")
        << Outcome::Read << "MMS" << Values{{"APNPassword", " p=w= "}, {"APN", "="}}
        << QStringList{} << "";
    QTest::newRow("kept bytes read as the camera reads them")
        << QByteArray("[SMTP]\r\nPassword=a\xfc" "b\xf1Server=c\xe9\r\n")
        << Outcome::Read << "SMTP" << Values{{"Password", "a=b"}, {"Server", "c\u00e9"}}
        << QStringList{} << "";
    QTest::newRow("lower-case header") << QByteArray("[mms]\r\nAPN=a\r\n")
        << Outcome::NotSettingsFile << "" << Values{} << QStringList{} << notSettings;
    QTest::newRow("header with a space") << QByteArray("[SMTP] \r\nAPN=a\r\n")
        << Outcome::NotSettingsFile << "" << Values{} << QStringList{} << notSettings;
    QTest::newRow("empty line first") << QByteArray("\r\n[MMS]\r\n")
        << Outcome::NotSettingsFile << "" << Values{} << QStringList{} << notSettings;
    QTest::newRow("junk") << QByteArray("\x00\x01PK\x03\x04", 6)
        << Outcome::NotSettingsFile << "" << Values{} << QStringList{} << notSettings;
    QTest::newRow("empty") << QByteArray()
        << Outcome::Empty << "" << Values{} << QStringList{}
        << "The file is not a settings file: it is empty.";
    QTest::newRow("at the limit") << "[MMS]\r\nURL=" + QByteArray(32767 - 11, 'u')
        << Outcome::Read << "MMS" << Values{{"URL", QString(32767 - 11, u'u')}} << QStringList{} << "";
    QTest::newRow("one past the limit") << "[MMS]\r\nURL=" + QByteArray(32768 - 11, 'u')
        << Outcome::TooLarge << "" << Values{} << QStringList{}
        << "The file is not a settings file: it holds 32768 bytes, and the camera reads at most 32767.";
    // clang-format on
}

void TestReadNetCfg::shouldReadWhatTheCameraReads()
{
    QFETCH(QByteArray, plain);
    QFETCH(Outcome, outcome);
    QFETCH(QString, section);
    QFETCH(Values, values);
    QFETCH(QStringList, repeated);
    QFETCH(QString, error);

    const NetCfgRead read = ParseNetCfg(encodeBytes(plain));
    QCOMPARE(read.outcome, outcome);
    QCOMPARE(read.error, error);
    if (!read.ok())
        return;
    QCOMPARE(QString(read.section == NetCfgSection::Mms ? "MMS" : "SMTP"), section);
    QCOMPARE(valuesOf(read), values);
    QCOMPARE(read.repeatedKeys, repeated);
    // The other section's settings stay empty.
    NetCfgRead other = read;
    other.section = read.section == NetCfgSection::Mms ? NetCfgSection::Smtp : NetCfgSection::Mms;
    QCOMPARE(valuesOf(other), Values {});
}

void TestReadNetCfg::shouldOpenOnlyARegularFileWithinTheLimit_data()
{
    QTest::addColumn<QString>("standing"); // what stands at the path
    QTest::addColumn<Outcome>("outcome");
    QTest::addColumn<QString>("error"); // %1: the test's folder

    // clang-format off
    QTest::newRow("regular file") << "file" << Outcome::Read << "";
    QTest::newRow("nothing") << "nothing" << Outcome::NoFile << "There is no NET.CFG in %1.";
    QTest::newRow("no folder") << "no folder" << Outcome::NoFile << "There is no NET.CFG in %1/gone.";
    QTest::newRow("folder") << "folder" << Outcome::NotRegularFile
        << "%1/NET.CFG is not a settings file: it is a folder, not a regular file.";
    QTest::newRow("FIFO") << "fifo" << Outcome::NotRegularFile
        << "%1/NET.CFG is not a settings file: it is a FIFO, not a regular file.";
    QTest::newRow("link to a regular file") << "link" << Outcome::NotRegularFile
        << "%1/NET.CFG is not a settings file: it is a symbolic link, not a regular file.";
    QTest::newRow("endless device") << "/dev/zero" << Outcome::NotRegularFile
        << "/dev/zero is not a settings file: it is a device, not a regular file.";
    QTest::newRow("huge file") << "huge" << Outcome::TooLarge
        << "%1/NET.CFG is not a settings file: it holds 4294967296 bytes, and the camera reads at most 32767.";
    // clang-format on
}

void TestReadNetCfg::shouldOpenOnlyARegularFileWithinTheLimit()
{
    QFETCH(QString, standing);
    QFETCH(Outcome, outcome);
    QFETCH(QString, error);

    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QString path = dir.filePath("NET.CFG");
    const QByteArray target = QFile::encodeName(path);
    if (standing == u"file" || standing == u"link")
        put(dir.filePath("settings"), encodeBytes("[SMTP]\r\nPort=25\r\n"));
    if (standing == u"file")
        QVERIFY(QFile::rename(dir.filePath("settings"), path));
    if (standing == u"link")
        QVERIFY(QFile::link(dir.filePath("settings"), path));
    if (standing == u"folder")
        QVERIFY(QDir(dir.path()).mkdir("NET.CFG"));
    if (standing == u"fifo")
        QCOMPARE(::mkfifo(target.constData(), 0600), 0);
    if (standing == u"huge") {
        QFile huge(path); // sparse: takes no room
        QVERIFY(huge.open(QIODevice::WriteOnly) && huge.resize(qint64(1) << 32));
    }
    if (standing == u"no folder")
        path = dir.filePath("gone/NET.CFG");
    if (standing.startsWith(u'/'))
        path = standing;

    const NetCfgRead read = ReadNetCfg(path);
    QCOMPARE(read.outcome, outcome);
    QCOMPARE(read.error, error.contains(u"%1") ? error.arg(dir.path()) : error);
    if (read.ok())
        QCOMPARE(read.smtp.Port, QStringLiteral("25"));
}

QTEST_GUILESS_MAIN(TestReadNetCfg)
#include "tst_readnetcfg.moc"
