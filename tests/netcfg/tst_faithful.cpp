#include "netcfg/codepage.h"
#include "netcfg/faithful.h"
#include "netcfg/netcfg.h"
#include "oracles/netcfgoracles.h"

#include <QTest>

class TestFaithful : public QObject
{
    Q_OBJECT

private slots:
    void shouldRefuseExactlyTheBytesTheCameraDoesNotReadBack_data();
    void shouldRefuseExactlyTheBytesTheCameraDoesNotReadBack();
    void shouldNameFieldAndCharacterTheCameraWouldNotReadBack_data();
    void shouldNameFieldAndCharacterTheCameraWouldNotReadBack();
};

void TestFaithful::shouldRefuseExactlyTheBytesTheCameraDoesNotReadBack_data()
{
    QTest::addColumn<int>("byte");
    for (int byte = 0; byte < 256; ++byte)
        QTest::addRow("0x%02x", byte) << byte;
}

void TestFaithful::shouldRefuseExactlyTheBytesTheCameraDoesNotReadBack()
{
    QFETCH(int, byte);
    const QByteArray one(1, char(byte));
    // The camera's reading, against the inverse table the fuzz oracles write on their own.
    QCOMPARE(decodeBytes(one), oracles::decodeStored(one));
    const bool readsBack = oracles::decodeStored(encodeBytes(one)) == one;
    const bool lineBreak = byte == '\r' || byte == '\n';
    QCOMPARE(unfaithfulCharacters(fromFileCodePage(one)).isEmpty(), readsBack && !lineBreak);
}

void TestFaithful::shouldNameFieldAndCharacterTheCameraWouldNotReadBack_data()
{
    QTest::addColumn<QString>("account");
    QTest::addColumn<QString>("email");
    QTest::addColumn<QStringList>("lines");

    // clang-format off
    QTest::newRow("faithful") << QString("é ø ß ä ö = [ ] \t.@") << QString("jörg@example.com")
                              << QStringList();
    QTest::newRow("ñ") << QString("contraseña") << QString()
                       << QStringList {"Account: the camera would read \"ñ\" as a line break"};
    QTest::newRow("ü, twice") << QString("müller über") << QString()
                              << QStringList {"Account: the camera would read \"ü\" as \"=\""};
    QTest::newRow("ý þ ÿ") << QString("ýþÿ") << QString() << QStringList {
        "Account: the camera would read \"ý\" as \"@\", \"þ\" as \"]\" and \"ÿ\" as \"[\""};
    QTest::newRow("û ò") << QString("ûò") << QString() << QStringList {
        "Account: the camera would read \"û\" as \".\" and \"ò\" as a line break"};
    QTest::newRow("€ ™") << QString("€5™") << QString() << QStringList {
        "Account: the camera would read \"€\" as \"a\" and \"™\" as \"z\""};
    QTest::newRow("control 0x10") << QString(QChar(0x10)) << QString()
                                  << QStringList {"Account: the camera would read U+0010 as \"1\""};
    QTest::newRow("中") << QString() << QString("中")
                       << QStringList {"Email 4: \"中\" cannot be written for the camera"};
    QTest::newRow("Ł, which Windows turns into L") << QString() << QString("Łukasz")
                       << QStringList {"Email 4: \"Ł\" cannot be written for the camera"};
    QTest::newRow("lone surrogate") << QString() << QString(QChar(0xd83d))
                                    << QStringList {"Email 4: U+D83D cannot be written for the camera"};
    QTest::newRow("CR LF typed") << QString() << QString("a\r\nb")
                                 << QStringList {"Email 4: a line break cannot be written for the camera"};
    QTest::newRow("both kinds") << QString("中ü") << QString() << QStringList {
        "Account: \"中\" cannot be written for the camera, and the camera would read \"ü\" as \"=\""};
    QTest::newRow("three named") << QString("ñüýþÿ") << QString() << QStringList {
        "Account: the camera would read \"ñ\" as a line break, \"ü\" as \"=\" and \"ý\" as \"@\" "
        "(and 2 other characters)"};
    QTest::newRow("both fields") << QString("ü") << QString("中") << QStringList {
        "Account: the camera would read \"ü\" as \"=\"",
        "Email 4: \"中\" cannot be written for the camera"};
    // clang-format on
}

void TestFaithful::shouldNameFieldAndCharacterTheCameraWouldNotReadBack()
{
    QFETCH(QString, account);
    QFETCH(QString, email);
    QFETCH(QStringList, lines);
    QCOMPARE(unfaithfulValueLines({{"Account", account}, {"Email 4", email}}), lines);
    if (lines.isEmpty()) {
        // What passes is what the camera reads.
        QCOMPARE(fromFileCodePage(decodeBytes(encodeBytes(toFileCodePage(account)))), account);
        QCOMPARE(fromFileCodePage(decodeBytes(encodeBytes(toFileCodePage(email)))), email);
    }
}

QTEST_GUILESS_MAIN(TestFaithful)
#include "tst_faithful.moc"
