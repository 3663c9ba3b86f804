#include "common/cardsnapshot.h"
#include "common/fakecontrols.h"
#include "netcfg/destination.h"
#include "netcfg/fieldmap.h"
#include "netcfg/fileactions.h"
#include "netcfg/netcfg.h"

#include <QDir>
#include <QHash>
#include <QTemporaryDir>
#include <QTest>

namespace {

// A setup window stand-in: fields by name, every message recorded, folder answers queued.
class FakeHost : public FakeControlsOf<FileActionHost>
{
public:
    QStringList messages;
    QStringList folderTitles;
    QList<std::optional<QString>> folderAnswers;

    QString labelOf(const QString &name) const override { return u'<' + name + u'>'; }
    void setTexts(const QHash<QString, QString> &texts)
    {
        for (auto it = texts.cbegin(); it != texts.cend(); ++it)
            setText(it.key(), it.value());
    }
    void showMessage(const QString &text) override { messages << text; }
    std::optional<QString> chooseFolder(const QString &title) override
    {
        folderTitles << title;
        return folderAnswers.isEmpty() ? std::nullopt : folderAnswers.takeFirst();
    }
};

// A card that gives back other bytes than it was given, or cannot be read at all.
class FaultyCard : public StoredFileWriter
{
public:
    QString readError;

protected:
    Result<QByteArray> readBack(const QString &path) override
    {
        if (!readError.isEmpty())
            return Failure {readError};
        const Result<QByteArray> onCard = StoredFileWriter::readBack(path);
        return onCard ? Result<QByteArray>(*onCard + "x") : onCard;
    }
};

const QString kSuccess = QStringLiteral("Create configure file success.");

enum class WindowKind { Mms, Smtp };
using Texts = QHash<QString, QString>; // control name -> text

QString pathFieldOf(WindowKind section)
{
    return section == WindowKind::Mms ? mmsFieldMap().pathField : smtpFieldMap().pathField;
}

void generate(FakeHost &host, WindowKind section, SslValue &ssl)
{
    if (section == WindowKind::Mms)
        GenerateMms(host);
    else
        GenerateSmtp(host, ssl);
}

} // namespace

Q_DECLARE_METATYPE(WindowKind)

class TestFileActions : public QObject
{
    Q_OBJECT

private slots:
    void shouldDeriveDestinationFromPathField_data();
    void shouldDeriveDestinationFromPathField();
    void shouldFillPathFieldFromChosenFolder_data();
    void shouldFillPathFieldFromChosenFolder();
    void shouldWarnAboutEmptyPhoneAndEmailAndStillWrite_data();
    void shouldWarnAboutEmptyPhoneAndEmailAndStillWrite();
    void shouldKeepSslValueAcrossGeneratesAndReopening_data();
    void shouldKeepSslValueAcrossGeneratesAndReopening();
    void shouldStoreOnlyTheEncodedFieldsReplacingAnyOldFile_data();
    void shouldStoreOnlyTheEncodedFieldsReplacingAnyOldFile();
    void shouldWriteIntoWorkingDirectoryWithoutSeparator();
    void shouldReportFailureAndLeaveTheCardAsItWas_data();
    void shouldReportFailureAndLeaveTheCardAsItWas();
    void shouldRefuseValuesTheCameraWouldMisread_data();
    void shouldRefuseValuesTheCameraWouldMisread();
};

void TestFileActions::shouldDeriveDestinationFromPathField_data()
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

void TestFileActions::shouldDeriveDestinationFromPathField()
{
    QFETCH(QString, separators);
    QFETCH(QString, field);
    QFETCH(QString, destination);
    QCOMPARE(destinationPath(field, separators), destination);
}

void TestFileActions::shouldFillPathFieldFromChosenFolder_data()
{
    QTest::addColumn<std::optional<QString>>("answer");
    QTest::addColumn<QString>("field");

    // clang-format off
#ifdef Q_OS_WIN
    QTest::newRow("drive root") << std::optional<QString>("E:/") << "E:\\NET.CFG";
    QTest::newRow("folder") << std::optional<QString>("D:/Card") << "D:\\Card\\NET.CFG";
#else
    QTest::newRow("root") << std::optional<QString>("/") << "/NET.CFG";
    QTest::newRow("folder") << std::optional<QString>("/media/card") << "/media/card/NET.CFG";
#endif
    QTest::newRow("cancelled") << std::optional<QString>() << "";
    QTest::newRow("no path") << std::optional<QString>("") << "";
    // clang-format on
}

void TestFileActions::shouldFillPathFieldFromChosenFolder()
{
    QFETCH(std::optional<QString>, answer);
    QFETCH(QString, field);
    FakeHost host;
    host.setText("Text18", "old");
    host.folderAnswers << answer;
    ChooseFolder(host, "Text18");
    QCOMPARE(host.text("Text18"), field);
    QCOMPARE(host.folderTitles, QStringList {QStringLiteral("请选择软件安装路径：")});
    QVERIFY(host.messages.isEmpty());
}

void TestFileActions::shouldWarnAboutEmptyPhoneAndEmailAndStillWrite_data()
{
    QTest::addColumn<WindowKind>("section");
    QTest::addColumn<QString>("phone");
    QTest::addColumn<QString>("email");
    QTest::addColumn<QStringList>("messages");

    for (const WindowKind section : {WindowKind::Mms, WindowKind::Smtp}) {
        const char *name = section == WindowKind::Mms ? "mms" : "smtp";
        QTest::addRow("%s both empty", name)
            << section << ""
            << "" << QStringList {"Need Phone Number Input", "Need Email Input", kSuccess};
        QTest::addRow("%s spaces count as filled", name) << section << " "
                                                         << " " << QStringList {kSuccess};
        QTest::addRow("%s phone empty", name)
            << section << ""
            << "a@b" << QStringList {"Need Phone Number Input", kSuccess};
        QTest::addRow("%s email empty", name) << section << "1"
                                              << "" << QStringList {"Need Email Input", kSuccess};
    }
}

void TestFileActions::shouldWarnAboutEmptyPhoneAndEmailAndStillWrite()
{
    QFETCH(WindowKind, section);
    QFETCH(QString, phone);
    QFETCH(QString, email);
    QFETCH(QStringList, messages);
    QTemporaryDir dir;
    FakeHost host;
    host.setTexts({{"Text7", phone}, {"Text12", email}, {pathFieldOf(section), dir.filePath("x")}});
    SslValue ssl;
    generate(host, section, ssl);
    QCOMPARE(host.messages, messages);
    const QByteArray stored = contents(dir.filePath("NET.CFG"));
    QVERIFY(stored.contains(encodeBytes("\r\nPhone1=" + phone.toLatin1() + "\r\n")));
    QVERIFY(stored.contains(encodeBytes("\r\nEmail1=" + email.toLatin1() + "\r\n")));
}

void TestFileActions::shouldKeepSslValueAcrossGeneratesAndReopening_data()
{
    QTest::addColumn<QStringList>("boxTexts");
    QTest::addColumn<QByteArray>("written");

    QTest::newRow("YES") << QStringList {"YES"} << QByteArray("1");
    QTest::newRow("NO") << QStringList {"NO"} << QByteArray("0");
    QTest::newRow("never set") << QStringList {"yes", " NO"} << QByteArray();
    QTest::newRow("YES then cleared") << QStringList {"YES", ""} << QByteArray("1");
    QTest::newRow("NO then other") << QStringList {"NO", "maybe"} << QByteArray("0");
    QTest::newRow("YES then NO") << QStringList {"YES", "NO"} << QByteArray("0");
}

void TestFileActions::shouldKeepSslValueAcrossGeneratesAndReopening()
{
    QFETCH(QStringList, boxTexts);
    QFETCH(QByteArray, written);
    QTemporaryDir dir;
    SslValue ssl; // the application's, outliving each window
    for (const QString &boxText : boxTexts) {
        FakeHost reopened; // a window opened afresh
        reopened.setTexts({{"Combo5", boxText}, {"Text18", dir.filePath("NET.CFG")}});
        GenerateSmtp(reopened, ssl);
        QCOMPARE(reopened.messages.last(), kSuccess);
    }
    QVERIFY(contents(dir.filePath("NET.CFG")).contains(encodeBytes("\r\nSSL=" + written + "\r\n")));
}

void TestFileActions::shouldStoreOnlyTheEncodedFieldsReplacingAnyOldFile_data()
{
    QTest::addColumn<WindowKind>("section");
    QTest::addColumn<QByteArray>("previous");
    QTest::addColumn<QByteArray>("plain");

    const QByteArray mms
        = "[MMS]\r\nURL=v4\r\nAPN=v1\r\nIP=v5\r\nPort=v6\r\nPhone1=v7\r\nPhone2=v8\r\n"
          "Phone3=v9\r\nPhone4=v10\r\nPhone5=v11\r\nEmail1=v12\r\nEmail2=v13\r\n"
          "Email3=v14\r\nEmail4=v15\r\nEmail5=v16\r\nAPNAccount=v3\r\n"
          "APNPassword=v2\r\n";
    const QByteArray smtp
        = "[SMTP]\r\nAPN=v1\r\nServer=v4\r\nPort=v5\r\nSender=v6\r\nPassword=v17\r\n"
          "Email1=v12\r\nEmail2=v13\r\nEmail3=v14\r\nEmail4=v15\r\nEmail5=v16\r\n"
          "SSL=1\r\nPhone1=v7\r\nAPNAccount=v2\r\nAPNPassword=v3\r\n";
    const QByteArray longOld = QByteArray(5000, 'z');
    QTest::newRow("mms, no old file") << WindowKind::Mms << QByteArray() << mms;
    QTest::newRow("mms over plain") << WindowKind::Mms << QByteArray("[MMS]\r\nURL=old\r\n") << mms;
    QTest::newRow("mms over longer stored") << WindowKind::Mms << encodeBytes(longOld) << mms;
    QTest::newRow("smtp, no old file") << WindowKind::Smtp << QByteArray() << smtp;
    QTest::newRow("smtp over stored mms") << WindowKind::Smtp << encodeBytes(mms) << smtp;
}

void TestFileActions::shouldStoreOnlyTheEncodedFieldsReplacingAnyOldFile()
{
    QFETCH(WindowKind, section);
    QFETCH(QByteArray, previous);
    QFETCH(QByteArray, plain);
    QTemporaryDir dir;
    const QString target = dir.filePath("NET.CFG");
    if (!previous.isEmpty())
        put(target, previous);
    FakeHost host;
    for (int n = 1; n <= 17; ++n)
        host.setText(QString("Text%1").arg(n), QString("v%1").arg(n));
    host.setText("Combo5", "YES");
    host.setText(pathFieldOf(section), dir.filePath("notes.txt"));
    SslValue ssl;
    generate(host, section, ssl);
    QCOMPARE(host.messages, QStringList {kSuccess});
    QCOMPARE(snapshot(dir.path()), (QMap<QString, QByteArray> {{target, encodeBytes(plain)}}));
}

void TestFileActions::shouldWriteIntoWorkingDirectoryWithoutSeparator()
{
    QTemporaryDir dir;
    const QString before = QDir::currentPath();
    QVERIFY(QDir::setCurrent(dir.path()));
    FakeHost host;
    host.setTexts({{"Text7", "1"}, {"Text12", "a@b"}, {"Text17", "NET.CFG"}});
    GenerateMms(host);
    QDir::setCurrent(before);
    QCOMPARE(host.messages, QStringList {kSuccess});
    QCOMPARE(contents(dir.filePath("NET.CFG")).size(), 148 + 4);
}

void TestFileActions::shouldReportFailureAndLeaveTheCardAsItWas_data()
{
    QTest::addColumn<QString>("pathField"); // relative to the card
    QTest::addColumn<QString>("readError"); // empty: the card gives back other bytes
    QTest::addColumn<QString>("url");
    QTest::addColumn<QString>("reason"); // empty: any system text

    const QString huge(40000, 'u');
    // clang-format off
    QTest::newRow("missing folder") << "missing/NET.CFG" << "" << "" << "";
    QTest::newRow("parent is a file") << "old.txt/NET.CFG" << "" << "" << "";
    QTest::newRow("NET.CFG is a folder") << "sub/NET.CFG" << "" << "" << "";
    QTest::newRow("card gives back other bytes") << "NET.CFG" << "" << "" << "";
    QTest::newRow("read back differs, no old file") << "sub/NET.CFG/NET.CFG" << "" << "" << "";
    QTest::newRow("card cannot be read back") << "NET.CFG" << "I/O error" << "" << "";
    QTest::newRow("too long") << "NET.CFG" << "" << huge
        << "The settings are too long: 40152 bytes, at most 32767.";
    // clang-format on
}

void TestFileActions::shouldReportFailureAndLeaveTheCardAsItWas()
{
    QFETCH(QString, pathField);
    QFETCH(QString, readError);
    QFETCH(QString, url);
    QFETCH(QString, reason);
    QTemporaryDir card;
    put(card.filePath("NET.CFG"), encodeBytes("[MMS]\r\nURL=old\r\n"));
    put(card.filePath("old.txt"), "old");
    QVERIFY(QDir(card.path()).mkpath("sub/NET.CFG"));
    const QMap<QString, QByteArray> before = snapshot(card.path());

    FakeHost host;
    host.setTexts(
        {{"Text7", "1"}, {"Text12", "a@b"}, {"Text4", url}, {"Text17", card.filePath(pathField)}});
    FaultyCard writer;
    writer.readError = readError;
    GenerateMms(host, writer);

    QCOMPARE(host.messages.size(), 1);
    const QStringList lines = host.messages.first().split('\n');
    QCOMPARE(lines.first(), "Create configure file failed.");
    QVERIFY2(lines.size() >= 2 && !lines[1].isEmpty(), qPrintable(host.messages.first()));
    if (!reason.isEmpty())
        QCOMPARE(lines[1], reason);
    QCOMPARE(snapshot(card.path()), before);
}

void TestFileActions::shouldRefuseValuesTheCameraWouldMisread_data()
{
    QTest::addColumn<WindowKind>("section");
    QTest::addColumn<Texts>("typed");
    QTest::addColumn<QStringList>("messages"); // the fake host labels a field <name>
    QTest::addColumn<QByteArray>("line"); // written, when the values are read faithfully

    const QString failed = QStringLiteral("Create configure file failed.\n");
    // clang-format off
    QTest::newRow("MMS password with ñ, a stored line break")
        << WindowKind::Mms << Texts{{"Text2", "contraseña"}}
        << QStringList{failed + "<Text2>: the camera would read \"ñ\" as a line break"} << QByteArray();
    QTest::newRow("SMTP account with ü, a stored =")
        << WindowKind::Smtp << Texts{{"Text2", "müller"}}
        << QStringList{failed + "<Text2>: the camera would read \"ü\" as \"=\""} << QByteArray();
    QTest::newRow("SMTP password with a control character, a stored digit")
        << WindowKind::Smtp << Texts{{"Text17", "pw\x10"}}
        << QStringList{failed + "<Text17>: the camera would read U+0010 as \"1\""} << QByteArray();
    QTest::newRow("MMS two fields, after the warning")
        << WindowKind::Mms << Texts{{"Text7", ""}, {"Text4", "http://ý"}, {"Text15", "中@x"}}
        << QStringList{"Need Phone Number Input",
                       failed + "<Text4>: the camera would read \"ý\" as \"@\"\n"
                                "<Text15>: \"中\" cannot be written for the camera"}
        << QByteArray();
    QTest::newRow("MMS faithful accents and brackets")
        << WindowKind::Mms << Texts{{"Text3", "ßé ø[ä]=ö"}} << QStringList{kSuccess}
        << QByteArray("\r\nAPNAccount=\xDF\xE9 \xF8[\xE4]=\xF6\r\n");
    // clang-format on
}

void TestFileActions::shouldRefuseValuesTheCameraWouldMisread()
{
    QFETCH(WindowKind, section);
    QFETCH(Texts, typed);
    QFETCH(QStringList, messages);
    QFETCH(QByteArray, line);
    QTemporaryDir card;
    put(card.filePath("NET.CFG"), "old");
    const QMap<QString, QByteArray> before = snapshot(card.path());
    FakeHost host;
    host.setTexts({{"Text7", "1"}, {"Text12", "a@b"}, {pathFieldOf(section), card.filePath("x")}});
    host.setTexts(typed);
    SslValue ssl;
    generate(host, section, ssl);

    QCOMPARE(host.messages, messages);
    if (line.isEmpty())
        QCOMPARE(snapshot(card.path()), before);
    else
        QVERIFY(contents(card.filePath("NET.CFG")).contains(encodeBytes(line)));
}

QTEST_GUILESS_MAIN(TestFileActions)
#include "tst_fileactions.moc"
