// Generate and the folder choice with a stand-in for their window.
#include "actions/cardfolders.h"
#include "actions/choosefolder.h"
#include "actions/fieldmap.h"
#include "actions/generate.h"
#include "carriers/carriers.h"
#include "common/cardsnapshot.h"
#include "common/fakecontrols.h"
#include "netcfg/netcfg.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

// A setup window stand-in: every message recorded, every question answered Yes, folder
// answers queued, a field named <key>.
class FakeHost : public ActionHost
{
public:
    QStringList messages;
    QStringList details;
    QStringList questions;
    QList<std::optional<QString>> folderAnswers;

    void showMessage(MessageKind, const QString &text, const QString &detail) override
    {
        messages << text;
        details << detail;
    }
    bool confirm(const QString &question) override
    {
        questions << question;
        return true;
    }
    std::optional<QString> chooseFolder(const QString &, const QStringList &) override
    {
        return folderAnswers.isEmpty() ? std::nullopt : folderAnswers.takeFirst();
    }
    QString nameOf(QLatin1StringView key) const override { return u'<' + QString(key) + u'>'; }
};

// A card that gives back other bytes than it was given, or cannot be read at all.
class FaultyCard : public StoredFileWriter
{
public:
    QString readError;

protected:
    Result<QByteArray> readBack(const platform::CardWrite &card) override
    {
        if (!readError.isEmpty())
            return Failure {readError};
        const Result<QByteArray> onCard = StoredFileWriter::readBack(card);
        return onCard ? Result<QByteArray>(*onCard + "x") : onCard;
    }
};

const QString kSuccess = QStringLiteral("Create configure file success.");

// Settings as typed in Manual mode.
template<typename Settings> SetupModel<Settings> typed(const Settings &settings)
{
    SetupModel<Settings> setup;
    setup.mode = SettingMode::Manual;
    setup.settings = settings;
    return setup;
}

// Generate as a window's Generate runs it, with a card writer that may be faulty.
template<typename Settings>
QStringList generate(const Settings &settings, const QString &pathText,
                     StoredFileWriter &&writer = StoredFileWriter())
{
    FakeHost host;
    Generate(host, typed(settings), pathText, writer);
    return host.messages;
}

} // namespace

class TestActions : public QObject
{
    Q_OBJECT

private slots:
    void shouldShowOnlyWhatAStepChanged();
    void shouldKeepTheSslValueWhileTheBoxSaysNeitherYesNorNo_data();
    void shouldKeepTheSslValueWhileTheBoxSaysNeitherYesNorNo();
    void shouldFillPathFieldFromChosenFolder_data();
    void shouldFillPathFieldFromChosenFolder();
    void shouldOfferTheCardsAndOpenAtTheLikeliestFolder_data();
    void shouldOfferTheCardsAndOpenAtTheLikeliestFolder();
    void shouldWarnAboutEmptyPhoneAndEmailAndStillWrite_data();
    void shouldWarnAboutEmptyPhoneAndEmailAndStillWrite();
    void shouldAskAboutWhatTheCameraNeedsToConnect_data();
    void shouldAskAboutWhatTheCameraNeedsToConnect();
    void shouldWriteIntoWorkingDirectoryWithoutSeparator();
    void shouldReportFailureAndLeaveTheCardAsItWas_data();
    void shouldReportFailureAndLeaveTheCardAsItWas();
    void shouldRefuseValuesTheCameraWouldMisread_data();
    void shouldRefuseValuesTheCameraWouldMisread();
};

// The MMS window's field map, read and written by a country's pick: the operator list before
// its text, then the fields in the map's order, and nothing that the pick left as it was.
void TestActions::shouldShowOnlyWhatAStepChanged()
{
    FakeControls controls;
    controls.setText("Combo3", "Canada");
    controls.setText("Text7", "555");
    controls.setText("Text6", "80");
    controls.clearWrites();

    const SetupModel<MmsSettings> before = readSetup(controls, SettingMode::Auto, MmsSettings());
    QCOMPARE(before.settings.Phone1, "555");
    SetupModel<MmsSettings> after = before;
    ChooseCountry(after);
    showSetup(controls, before, after);
    QCOMPARE(controls.writes(),
             (QStringList {"Combo4=[Bell, Fido, Koodo, Roger, Telus]", "Combo4=Roger",
                           "Text1=rogers-core-appl1.apn", "Text4=http://mms.gprs.rogers.com",
                           "Text5=10.128.1.69"}));
}

// The SSL value that Generate writes after the box showed each text at a Generate of the run,
// from a value never set or read from a card, and with the window opened afresh between.
void TestActions::shouldKeepTheSslValueWhileTheBoxSaysNeitherYesNorNo_data()
{
    QTest::addColumn<QString>("read"); // the card's value; null: nothing read
    QTest::addColumn<bool>("reopened"); // after the read
    QTest::addColumn<QStringList>("boxTexts");
    QTest::addColumn<QString>("written"); // by the last

    // clang-format off
    QTest::newRow("YES")                    << QString() << false << QStringList {"YES"}        << "1";
    QTest::newRow("NO")                     << QString() << false << QStringList {"NO"}         << "0";
    QTest::newRow("never set")              << QString() << false << QStringList {"yes", " NO"} << "";
    QTest::newRow("YES then cleared")       << QString() << false << QStringList {"YES", ""}    << "1";
    QTest::newRow("NO then other")          << QString() << false << QStringList {"NO", "maybe"} << "0";
    QTest::newRow("YES then NO")            << QString() << false << QStringList {"YES", "NO"}  << "0";
    QTest::newRow("read YES, as read")      << "YES"     << false << QStringList {"YES"}        << "YES";
    QTest::newRow("read YES, reopened")     << "YES"     << true  << QStringList {"YES"}        << "1";
    QTest::newRow("read 2, reopened, cleared") << "2"    << true  << QStringList {""}           << "2";
    // clang-format on
}

void TestActions::shouldKeepTheSslValueWhileTheBoxSaysNeitherYesNorNo()
{
    QFETCH(QString, read);
    QFETCH(bool, reopened);
    QFETCH(QStringList, boxTexts);
    QFETCH(QString, written);
    SmtpSettings kept; // the run's, outliving each window
    if (!read.isNull())
        kept.SSL = Ssl::ofFile(read);
    if (reopened)
        reopen(kept);
    for (const QString &boxText : boxTexts)
        kept.SSL = sslOfBoxText(boxText, kept.SSL);
    QCOMPARE(kept.SSL.fileValue(), written);
}

void TestActions::shouldFillPathFieldFromChosenFolder_data()
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

void TestActions::shouldFillPathFieldFromChosenFolder()
{
    QFETCH(std::optional<QString>, answer);
    QFETCH(QString, field);
    FakeHost host;
    host.folderAnswers << answer;
    QCOMPARE(ChooseFolder(host, QString()), field);
    QVERIFY(host.messages.isEmpty());
}

void TestActions::shouldOfferTheCardsAndOpenAtTheLikeliestFolder_data()
{
    QTest::addColumn<QStringList>("volumes"); // "root file-system [removable]"
    QTest::addColumn<QString>("pathText");
    QTest::addColumn<QStringList>("cards");
    QTest::addColumn<QString>("start");

    // {m}: the user's removable media folder, where CARD holds DCIM and PHOTOS a NET.CFG.
    // clang-format off
    const QStringList mounted {"{m} vfat", "{m}/STICK vfat", "{m}/CARD exfat", "{m}/DISK ext4",
                               "{tmp}/mnt/OTHER vfat", "{m}/PHOTOS fuseblk"};
    const QStringList cards {"{m}/CARD", "{m}/PHOTOS", "{m}/STICK"};
    QTest::newRow("FAT under the media folder, camera files first") << mounted << "" << cards << "{m}/CARD";
    QTest::newRow("the Path field's folder") << mounted << "{m}/STICK/NET.CFG" << cards << "{m}/STICK/";
    QTest::newRow("the Path field's folder is gone") << mounted << "{tmp}/gone/" << cards << "{m}/CARD";
    QTest::newRow("a removable drive") << QStringList{"{tmp}/E NTFS removable"} << "" << QStringList{"{tmp}/E"} << "{tmp}/E";
    QTest::newRow("no card") << QStringList{"{m}/DISK ext4"} << "" << QStringList{} << "{m}";
    // clang-format on
}

void TestActions::shouldOfferTheCardsAndOpenAtTheLikeliestFolder()
{
    QFETCH(QStringList, volumes);
    QFETCH(QString, pathText);
    QFETCH(QStringList, cards);
    QFETCH(QString, start);
    QTemporaryDir tmp;
    const QString media = tmp.filePath("media/me");
    const auto placed = [&](QStringList texts) {
        return texts.replaceInStrings("{m}", media).replaceInStrings("{tmp}", tmp.path());
    };
    for (const char *folder : {"STICK", "CARD/DCIM", "DISK", "PHOTOS"})
        QVERIFY(QDir(media).mkpath(folder));
    put(media + "/PHOTOS/NET.CFG", "x");
    QList<MountedVolume> fake;
    for (const QString &volume : placed(volumes)) {
        const QStringList fields = volume.split(u' ');
        fake.append({fields[0], fields[1].toLatin1(), fields.size() > 2});
    }

    const QStringList found = cardFolders(fake, {media, tmp.filePath("run/media/me")});
    QCOMPARE(found, placed(cards));
    QCOMPARE(browserStartFolder(placed({pathText}).first(), found, {media}),
             placed({start}).first());
}

void TestActions::shouldWarnAboutEmptyPhoneAndEmailAndStillWrite_data()
{
    QTest::addColumn<bool>("smtp");
    QTest::addColumn<QString>("phone");
    QTest::addColumn<QString>("email");
    QTest::addColumn<QStringList>("messages");

    for (const bool smtp : {false, true}) {
        const char *name = smtp ? "smtp" : "mms";
        QTest::addRow("%s both empty", name)
            << smtp << ""
            << "" << QStringList {"Need Phone Number Input", "Need Email Input", kSuccess};
        QTest::addRow("%s spaces count as filled", name) << smtp << " "
                                                         << " " << QStringList {kSuccess};
        QTest::addRow("%s phone empty", name)
            << smtp << ""
            << "a@b" << QStringList {"Need Phone Number Input", kSuccess};
        QTest::addRow("%s email empty", name) << smtp << "1"
                                              << "" << QStringList {"Need Email Input", kSuccess};
    }
}

void TestActions::shouldWarnAboutEmptyPhoneAndEmailAndStillWrite()
{
    QFETCH(bool, smtp);
    QFETCH(QString, phone);
    QFETCH(QString, email);
    QFETCH(QStringList, messages);
    QTemporaryDir dir;
    const auto written = [&](auto settings) {
        settings.Phone1 = phone;
        settings.Email1 = email;
        return generate(settings, dir.filePath("x"));
    };
    QCOMPARE(smtp ? written(SmtpSettings()) : written(MmsSettings()), messages);
    const QByteArray stored = contents(dir.filePath("NET.CFG"));
    QVERIFY(stored.contains(encodeBytes("\r\nPhone1=" + phone.toLatin1() + "\r\n")));
    QVERIFY(stored.contains(encodeBytes("\r\nEmail1=" + email.toLatin1() + "\r\n")));
}

void TestActions::shouldAskAboutWhatTheCameraNeedsToConnect_data()
{
    QTest::addColumn<bool>("smtp");
    QTest::addColumn<SettingMode>("mode");
    QTest::addColumn<QString>("country"); // picked, with its default operator
    QTest::addColumn<QStringList>("questions");

    const QString noPick = QStringLiteral(
        "No operator is picked, so the camera gets no connection values. Pick your operator, or "
        "choose Manual and type them.");
    // clang-format off
    QTest::newRow("MMS, Manual, nothing typed") << false << SettingMode::Manual << ""
        << QStringList {"The camera needs <URL>, <APN>, <IP> and <Port> to connect, and they are empty. Write NET.CFG anyway?"};
    QTest::newRow("MMS, Auto, a country without a default operator") << false << SettingMode::Auto << "Germany"
        << QStringList {noPick + " Write NET.CFG anyway?"};
    QTest::newRow("SMTP, Auto, nothing picked or typed") << true << SettingMode::Auto << ""
        << QStringList {noPick + " The camera needs <Server>, <Port> and <Sender> to connect, and they are empty. Write NET.CFG anyway?"};
    QTest::newRow("MMS, Auto, an operator picked") << false << SettingMode::Auto << "Canada" << QStringList {};
    // clang-format on
}

void TestActions::shouldAskAboutWhatTheCameraNeedsToConnect()
{
    QFETCH(bool, smtp);
    QFETCH(SettingMode, mode);
    QFETCH(QString, country);
    QFETCH(QStringList, questions);
    QTemporaryDir dir;
    FakeHost host;
    const auto asked = [&](auto setup) {
        setup.mode = mode;
        setup.country = country;
        ChooseCountry(setup);
        StoredFileWriter writer;
        Generate(host, setup, dir.path() + "/", writer);
        return host.questions;
    };
    QCOMPARE(smtp ? asked(SetupModel<SmtpSettings>()) : asked(SetupModel<MmsSettings>()),
             questions);
}

void TestActions::shouldWriteIntoWorkingDirectoryWithoutSeparator()
{
    QTemporaryDir dir;
    const QString before = QDir::currentPath();
    QVERIFY(QDir::setCurrent(dir.path()));
    MmsSettings settings;
    settings.Phone1 = "1";
    settings.Email1 = "a@b";
    FakeHost host;
    StoredFileWriter writer;
    Generate(host, typed(settings), "NET.CFG", writer);
    QDir::setCurrent(before);
    QCOMPARE(host.messages, QStringList {kSuccess});
    // The success names the file written, whole.
    QCOMPARE(host.details, QStringList {QDir::toNativeSeparators(dir.filePath("NET.CFG"))});
    QCOMPARE(contents(dir.filePath("NET.CFG")).size(), 148 + 4);
}

void TestActions::shouldReportFailureAndLeaveTheCardAsItWas_data()
{
    QTest::addColumn<QString>("pathField"); // relative to the card
    QTest::addColumn<QString>("readError"); // empty: the card gives back other bytes
    QTest::addColumn<QString>("url");
    QTest::addColumn<QString>("reason"); // empty: any system text

    const QString huge(40000, 'u');
    // clang-format off
    QTest::newRow("missing folder") << "missing/NET.CFG" << "" << "" << "";
    QTest::newRow("parent is a file") << "old.txt/NET.CFG" << "" << "" << "";
    QTest::newRow("card gives back other bytes") << "NET.CFG" << "" << "" << "";
    QTest::newRow("read back differs, no old file") << "sub/NET.CFG/NET.CFG" << "" << "" << "";
    QTest::newRow("card cannot be read back") << "NET.CFG" << "I/O error" << "" << "";
    QTest::newRow("too long") << "NET.CFG" << "" << huge
        << "The settings are too long: 40152 bytes, at most 32767.";
    // clang-format on
}

void TestActions::shouldReportFailureAndLeaveTheCardAsItWas()
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

    MmsSettings settings;
    settings.Phone1 = "1";
    settings.Email1 = "a@b";
    settings.URL = url;
    FaultyCard writer;
    writer.readError = readError;
    const QStringList messages = generate(settings, card.filePath(pathField), std::move(writer));

    QCOMPARE(messages.size(), 1);
    const QStringList lines = messages.first().split('\n');
    QCOMPARE(lines.first(), "Create configure file failed.");
    QVERIFY2(lines.size() >= 2 && !lines[1].isEmpty(), qPrintable(messages.first()));
    if (!reason.isEmpty())
        QCOMPARE(lines[1], reason);
    QCOMPARE(snapshot(card.path()), before);
}

void TestActions::shouldRefuseValuesTheCameraWouldMisread_data()
{
    QTest::addColumn<QString>("password"); // MMS APNPassword
    QTest::addColumn<QString>("url");
    QTest::addColumn<QString>("email4");
    QTest::addColumn<QStringList>("messages"); // the fake host names a field <key>
    QTest::addColumn<QByteArray>("line"); // written, when the values are read faithfully

    const QString failed = QStringLiteral("Create configure file failed.\n");
    // clang-format off
    QTest::newRow("ñ, a stored line break") << "contraseña" << "" << ""
        << QStringList{failed + "<APNPassword>: the camera would read \"ñ\" as a line break"} << QByteArray();
    QTest::newRow("a control character, a stored digit") << "pw\x10" << "" << ""
        << QStringList{failed + "<APNPassword>: the camera would read U+0010 as \"1\""} << QByteArray();
    QTest::newRow("two fields, in the section's order") << "" << "http://ý" << "中@x"
        << QStringList{failed + "<URL>: the camera would read \"ý\" as \"@\"\n"
                                "<Email4>: \"中\" cannot be written for the camera"}
        << QByteArray();
    QTest::newRow("faithful accents and brackets") << "ßé ø[ä]=ö" << "" << "" << QStringList{kSuccess}
        << QByteArray("\r\nAPNPassword=\xDF\xE9 \xF8[\xE4]=\xF6\r\n");
    // clang-format on
}

void TestActions::shouldRefuseValuesTheCameraWouldMisread()
{
    QFETCH(QString, password);
    QFETCH(QString, url);
    QFETCH(QString, email4);
    QFETCH(QStringList, messages);
    QFETCH(QByteArray, line);
    QTemporaryDir card;
    put(card.filePath("NET.CFG"), "old");
    const QMap<QString, QByteArray> before = snapshot(card.path());
    MmsSettings settings;
    settings.Phone1 = "1";
    settings.Email1 = "a@b";
    settings.APNPassword = password;
    settings.URL = url;
    settings.Email4 = email4;

    QCOMPARE(generate(settings, card.filePath("x")), messages);
    if (line.isEmpty())
        QCOMPARE(snapshot(card.path()), before);
    else
        QVERIFY(contents(card.filePath("NET.CFG")).contains(encodeBytes(line)));
}

QTEST_GUILESS_MAIN(TestActions)
#include "tst_actions.moc"
