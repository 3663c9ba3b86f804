#include "netcfg/codepage.h"
#include "netcfg/destination.h"
#include "netcfg/netcfg.h"
#include "netcfg/section.h"

#include <QSet>
#include <QTest>

class TestNetCfg : public QObject
{
    Q_OBJECT

private slots:
    void shouldComposeEveryKeyInTheCameraOrder_data();
    void shouldComposeEveryKeyInTheCameraOrder();
    void shouldWriteValuesVerbatim_data();
    void shouldWriteValuesVerbatim();
    void shouldSubstituteEveryByteValueByTheCameraRules();
    void shouldEncodeTheKnownExamples_data();
    void shouldEncodeTheKnownExamples();
    void shouldMapPrintableAsciiAndLineBreaksOneToOne();
    void shouldRefuseSettingsOutsideTheCameraLimit_data();
    void shouldRefuseSettingsOutsideTheCameraLimit();
    void shouldDeriveDestinationFromPathField_data();
    void shouldDeriveDestinationFromPathField();
};

void TestNetCfg::shouldComposeEveryKeyInTheCameraOrder_data()
{
    QTest::addColumn<QByteArray>("plain");
    QTest::addColumn<QByteArray>("expected");

    MmsSettings mms {"u",  "a",  "i",  "p",  "p1", "p2", "p3",   "p4",
                     "p5", "e1", "e2", "e3", "e4", "e5", "acct", "pw"};
    SmtpSettings smtp {"a",  "s",  "p",  "snd",      "spw", "e1",   "e2",
                       "e3", "e4", "e5", Ssl::yes(), "p1",  "acct", "pw"};
    // clang-format off
    QTest::newRow("mms empty") << ComposeNetCfg(MmsSettings {}) << QByteArray(
        "[MMS]\r\nURL=\r\nAPN=\r\nIP=\r\nPort=\r\nPhone1=\r\nPhone2=\r\nPhone3=\r\nPhone4=\r\n"
        "Phone5=\r\nEmail1=\r\nEmail2=\r\nEmail3=\r\nEmail4=\r\nEmail5=\r\nAPNAccount=\r\n"
        "APNPassword=\r\n");
    QTest::newRow("smtp empty") << ComposeNetCfg(SmtpSettings {}) << QByteArray(
        "[SMTP]\r\nAPN=\r\nServer=\r\nPort=\r\nSender=\r\nPassword=\r\nEmail1=\r\nEmail2=\r\n"
        "Email3=\r\nEmail4=\r\nEmail5=\r\nSSL=\r\nPhone1=\r\nAPNAccount=\r\nAPNPassword=\r\n");
    QTest::newRow("mms filled") << ComposeNetCfg(mms) << QByteArray(
        "[MMS]\r\nURL=u\r\nAPN=a\r\nIP=i\r\nPort=p\r\nPhone1=p1\r\nPhone2=p2\r\nPhone3=p3\r\n"
        "Phone4=p4\r\nPhone5=p5\r\nEmail1=e1\r\nEmail2=e2\r\nEmail3=e3\r\nEmail4=e4\r\n"
        "Email5=e5\r\nAPNAccount=acct\r\nAPNPassword=pw\r\n");
    QTest::newRow("smtp filled") << ComposeNetCfg(smtp) << QByteArray(
        "[SMTP]\r\nAPN=a\r\nServer=s\r\nPort=p\r\nSender=snd\r\nPassword=spw\r\nEmail1=e1\r\n"
        "Email2=e2\r\nEmail3=e3\r\nEmail4=e4\r\nEmail5=e5\r\nSSL=1\r\nPhone1=p1\r\n"
        "APNAccount=acct\r\nAPNPassword=pw\r\n");
    // clang-format on
}

void TestNetCfg::shouldComposeEveryKeyInTheCameraOrder()
{
    QFETCH(QByteArray, plain);
    QFETCH(QByteArray, expected);
    QCOMPARE(plain, expected);
    if (QByteArray(QTest::currentDataTag()).endsWith("empty"))
        QCOMPARE(plain.size(), plain.startsWith("[MMS]") ? 148 : 137);

    const QByteArray stored = encodeBytes(plain);
    QCOMPARE(stored.size(), plain.size());
    QVERIFY(!stored.contains('\r') && !stored.contains('\n'));
}

void TestNetCfg::shouldWriteValuesVerbatim_data()
{
    QTest::addColumn<QString>("value");
    QTest::addColumn<QByteArray>("bytes");

    // clang-format off
    QTest::newRow("spaces kept") << QString("  a b  ") << QByteArray("  a b  ");
    QTest::newRow("equals kept") << QString("k=v=") << QByteArray("k=v=");
    QTest::newRow("tab") << QString("\t") << QByteArray("\t");
    QTest::newRow("latin-1 e acute") << QString::fromUtf16(u"caf\u00e9") << QByteArray("caf\xe9");
    QTest::newRow("nbsp and y diaeresis") << QString::fromUtf16(u"\u00a0\u00ff") << QByteArray("\xa0\xff");
    // On Windows these take the system's code page to be Windows-1252, as it is for Western
    // Europe and the Americas (and for Wine in an English locale).
    QTest::newRow("euro") << QString::fromUtf16(u"\u20ac5") << QByteArray("\x80" "5");
    QTest::newRow("curly quotes, dashes") << QString::fromUtf16(u"\u201c\u2013\u2014\u201d")
                                          << QByteArray("\x93\x96\x97\x94");
    QTest::newRow("Y diaeresis, z caron") << QString::fromUtf16(u"\u0178\u017e") << QByteArray("\x9f\x9e");
    QTest::newRow("undefined 0x81 0x8d") << QString::fromUtf16(u"\u0081\u008d") << QByteArray("\x81\x8d");
    QTest::newRow("other C1 controls") << QString::fromUtf16(u"\u0080\u009f") << QByteArray("??");
    QTest::newRow("cjk") << QString::fromUtf16(u"\u4e2d\u6587") << QByteArray("??");
#ifdef Q_OS_WIN
    // Windows' conversion takes UTF-16 units: each half of the pair becomes a "?".
    QTest::newRow("astral is two halves") << QString::fromUtf16(u"a\U0001F600b") << QByteArray("a??b");
#else
    QTest::newRow("astral is one char") << QString::fromUtf16(u"a\U0001F600b") << QByteArray("a?b");
#endif
    QTest::newRow("unpaired surrogates")
        << (QString(QChar(0xd83d)) + "x" + QChar(0xde00)) << QByteArray("?x?");
    // clang-format on
}

void TestNetCfg::shouldWriteValuesVerbatim()
{
    QFETCH(QString, value);
    QFETCH(QByteArray, bytes);
    MmsSettings settings;
    settings.URL = value;
    QVERIFY(ComposeNetCfg(settings).startsWith("[MMS]\r\nURL=" + bytes + "\r\nAPN=\r\n"));
}

void TestNetCfg::shouldSubstituteEveryByteValueByTheCameraRules()
{
    struct Rule
    {
        int first, last, firstStored;
    };
    // clang-format off
    const Rule rules[] = {
        {'0', '9', 0x0F}, {'a', 'z', 0x80}, {'A', 'Z', 0x61}, {'[', '[', 0xFF}, {']', ']', 0xFE},
        {'@', '@', 0xFD}, {'=', '=', 0xFC}, {'.', '.', 0xFB}, {'\n', '\n', 0xF1}, {'\r', '\r', 0xF2},
    };
    // clang-format on
    QByteArray all(256, Qt::Uninitialized);
    for (int b = 0; b < 256; ++b)
        all[b] = char(b);
    const QByteArray stored = encodeBytes(all);
    QCOMPARE(stored.size(), 256);
    for (int b = 0; b < 256; ++b) {
        int expected = b;
        for (const Rule &rule : rules) {
            if (b >= rule.first && b <= rule.last)
                expected = rule.firstStored + (b - rule.first);
        }
        QVERIFY2(quint8(stored[b]) == expected, qPrintable(QString::number(b, 16)));
    }
}

void TestNetCfg::shouldEncodeTheKnownExamples_data()
{
    QTest::addColumn<QByteArray>("plain");
    QTest::addColumn<QByteArray>("stored");

    // clang-format off
    QTest::newRow("mms header") << QByteArray("[MMS]\r\n") << QByteArray::fromHex("FF6D6D73FEF2F1");
    QTest::newRow("smtp header") << QByteArray("[SMTP]\r\n") << QByteArray::fromHex("FF736D7470FEF2F1");
    QTest::newRow("empty mms file start") << ComposeNetCfg(MmsSettings {}).left(13)
                                          << QByteArray::fromHex("FF6D6D73FEF2F175726CFCF2F1");
    QTest::newRow("ssl line") << QByteArray("SSL=1\r\n") << QByteArray::fromHex("73736CFC10F2F1");
    QTest::newRow("0 9 a Z") << QByteArray("09aZ") << QByteArray::fromHex("0F18807A");
    QTest::newRow("high bytes pass") << QByteArray("\x80\xe9\xff") << QByteArray("\x80\xe9\xff");
    // clang-format on
}

void TestNetCfg::shouldEncodeTheKnownExamples()
{
    QFETCH(QByteArray, plain);
    QFETCH(QByteArray, stored);
    const Result<QByteArray> encoded = EncodeNetCfg(plain);
    QCOMPARE(encoded ? *encoded : QByteArray("refused"), stored);
}

void TestNetCfg::shouldMapPrintableAsciiAndLineBreaksOneToOne()
{
    QByteArray plain("\r\n");
    for (char c = 0x20; c < 0x7F; ++c)
        plain += c;
    const QByteArray stored = encodeBytes(plain);
    const QSet<char> distinct(stored.cbegin(), stored.cend());
    QCOMPARE(distinct.size(), plain.size());
}

void TestNetCfg::shouldRefuseSettingsOutsideTheCameraLimit_data()
{
    QTest::addColumn<qsizetype>("size");
    QTest::addColumn<QString>("error");

    QTest::newRow("empty") << qsizetype(0) << QString("There are no settings to write.");
    QTest::newRow("one byte") << qsizetype(1) << QString();
    QTest::newRow("at the limit") << qsizetype(32767) << QString();
    QTest::newRow("one over") << qsizetype(32768)
                              << QString("The settings are too long: 32768 bytes, at most 32767.");
}

void TestNetCfg::shouldRefuseSettingsOutsideTheCameraLimit()
{
    QFETCH(qsizetype, size);
    QFETCH(QString, error);
    const Result<QByteArray> stored = EncodeNetCfg(QByteArray(size, 'a'));
    QCOMPARE(stored.reason(), error);
    QCOMPARE(stored.ok(), error.isEmpty());
    if (stored)
        QCOMPARE(*stored, QByteArray(size, '\x80'));
}

void TestNetCfg::shouldDeriveDestinationFromPathField_data()
{
    QTest::addColumn<QString>("separators");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("destination");

    // clang-format off
    QTest::newRow("win NET.CFG") << "\\/" << "E:\\NET.CFG" << "E:\\NET.CFG";
    QTest::newRow("win other name") << "\\/" << "E:\\notes.txt" << "E:\\NET.CFG";
    QTest::newRow("win no final sep") << "\\/" << "D:\\Card" << "D:\\NET.CFG";
    QTest::newRow("win mixed, last wins") << "\\/" << "D:\\a/b\\c/x" << "D:\\a/b\\c/NET.CFG";
    QTest::newRow("win empty") << "\\/" << "" << "./NET.CFG";
    QTest::newRow("posix file") << "/" << "/media/card/x.txt" << "/media/card/NET.CFG";
    QTest::newRow("posix folder") << "/" << "/media/card" << "/media/NET.CFG";
    QTest::newRow("posix final sep") << "/" << "/media/card/" << "/media/card/NET.CFG";
    QTest::newRow("posix backslash is a name") << "/" << "E:\\x" << "./NET.CFG";
    QTest::newRow("posix empty") << "/" << "" << "./NET.CFG";
    QTest::newRow("backslash only, empty") << "\\" << "" << ".\\NET.CFG";
    // clang-format on
}

void TestNetCfg::shouldDeriveDestinationFromPathField()
{
    QFETCH(QString, separators);
    QFETCH(QString, field);
    QFETCH(QString, destination);
    QCOMPARE(destinationPath(field, separators), destination);
}

QTEST_GUILESS_MAIN(TestNetCfg)
#include "tst_netcfg.moc"
