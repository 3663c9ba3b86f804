#include "common/cardsnapshot.h"
#include "common/fakedialogs.h"
#include "common/qtwarnings.h"
#include "common/recordedruns.h"
#include "common/windowtesting.h"
#include "netcfg/netcfg.h"
#include "setup/mmswindow.h"
#include "setup/smtpwindow.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using Texts = QHash<QString, QString>; // control name -> text

namespace {

const QString kFolderTitle = QStringLiteral("Choose the camera card's folder");

// A user's pick of a list entry: open the list, move to the entry, press Enter.
void pick(QComboBox *combo, const QString &entry)
{
    const int index = combo->findText(entry, Qt::MatchExactly | Qt::MatchCaseSensitive);
    QVERIFY2(index >= 0, qPrintable(combo->objectName() + " has no entry " + entry));
    combo->showPopup();
    QAbstractItemView *list = combo->view();
    list->setCurrentIndex(combo->model()->index(index, 0));
    QTest::keyClick(list, Qt::Key_Return);
}

// Typing into a box's text part, then Enter: what a user does who types instead of picking.
void typeInto(QComboBox *combo, const QString &text)
{
    combo->lineEdit()->selectAll();
    QTest::keyClicks(combo, text);
    QTest::keyClick(combo, Qt::Key_Return);
}

void typeInto(QLineEdit *edit, const QString &text)
{
    edit->selectAll();
    QTest::keyClicks(edit, text);
}

// An address typed, then Enter: done with the field.
void typeAddress(QLineEdit *edit, const QString &text)
{
    typeInto(edit, text);
    QTest::keyClick(edit, Qt::Key_Return);
}

const CountryEntry &countryOf(Kind kind, const QString &name)
{
    const CountryTable &table
        = kind == Kind::Mms ? countryTable<MmsSettings>() : countryTable<SmtpSettings>();
    for (const CountryEntry &entry : table) {
        if (entry.name == name)
            return entry;
    }
    static const CountryEntry none;
    QTest::qFail(qPrintable("no country " + name), __FILE__, __LINE__);
    return none;
}

QByteArray stored(const QByteArray &plain)
{
    return encodeBytes(plain);
}

// All that a read may change: every field's and box's text and list, and the mode's state.
QStringList stateOf(const QWidget *window)
{
    QStringList state {QString::number(child(window, "Text1")->isVisible())};
    for (const QLineEdit *edit : window->findChildren<QLineEdit *>())
        state.append(edit->text());
    for (const QComboBox *combo : window->findChildren<QComboBox *>())
        state.append(items(combo));
    return state;
}

} // namespace

class TestSetupWindows : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void shouldOpenInAutoModeWithDesignedContents_data();
    void shouldOpenInAutoModeWithDesignedContents();
    void shouldOfferOnlyPhoneOneInSmtpWindow();
    void shouldPlaceControlsAsDesigned_data();
    void shouldPlaceControlsAsDesigned();

    void shouldEmptyFieldsAndBoxesEachTimeManualIsPicked_data();
    void shouldEmptyFieldsAndBoxesEachTimeManualIsPicked();
    void shouldKeepTypedValuesHiddenWhenAutoIsPickedAgain_data();
    void shouldKeepTypedValuesHiddenWhenAutoIsPickedAgain();
    void shouldSwitchModeWhenMovingThroughListWithKeyboard_data();
    void shouldSwitchModeWhenMovingThroughListWithKeyboard();
    void shouldLeaveSmtpServerFieldsAloneInEitherMode();
    void shouldProposeTheSendersServerButKeepAnother_data();
    void shouldProposeTheSendersServerButKeepAnother();
    void shouldRunNothingWhenTextIsTyped_data();
    void shouldRunNothingWhenTextIsTyped();

    void shouldFillFieldsWhenCountryIsPicked_data();
    void shouldFillFieldsWhenCountryIsPicked();
    void shouldApplyOperatorOfThisWindowWhenOperatorIsPicked();

    void shouldWriteMmsFileWithManualValuesAfterBackToAuto();
    void shouldWriteSmtpFileWithManualValuesAfterBackToAuto();
    void shouldChooseTheFolderFirstWhenThePathIsEmpty_data();
    void shouldChooseTheFolderFirstWhenThePathIsEmpty();

    void shouldFillTheWindowAsPickedAndWriteTheFileAgain_data();
    void shouldFillTheWindowAsPickedAndWriteTheFileAgain();
    void shouldLeaveTheWindowAsItWasWhenNothingIsRead_data();
    void shouldLeaveTheWindowAsItWasWhenNothingIsRead();
    void shouldWriteTheSslValueAsReadUntilTheBoxIsChanged_data();
    void shouldWriteTheSslValueAsReadUntilTheBoxIsChanged();
    void shouldAskBeforeReadReplacesWhatTheUserEdited_data();
    void shouldAskBeforeReadReplacesWhatTheUserEdited();

    void shouldCloseAndGoAwayOnExit_data();
    void shouldCloseAndGoAwayOnExit();

private:
    std::unique_ptr<SetupWindow> open(Kind kind);
    void addWindowRows();

    FakeDialogs m_dialogs;
    MmsSettings m_mmsKept;
    SmtpSettings m_smtpKept;
    QTemporaryDir m_dir;
};

std::unique_ptr<SetupWindow> TestSetupWindows::open(Kind kind)
{
    std::unique_ptr<SetupWindow> window;
    if (kind == Kind::Mms)
        window = std::make_unique<MmsWindow>(m_mmsKept, m_dialogs);
    else
        window = std::make_unique<SmtpWindow>(m_smtpKept, m_dialogs);
    window->show();
    if (!QTest::qWaitForWindowExposed(window.get()))
        QTest::qFail("the setup window was not shown", __FILE__, __LINE__);
    return window;
}

void TestSetupWindows::addWindowRows()
{
    QTest::addColumn<Kind>("kind");
    QTest::newRow("MMS") << Kind::Mms;
    QTest::newRow("SMTP") << Kind::Smtp;
}

void TestSetupWindows::init()
{
    failOnQtWarnings();
    m_dialogs = FakeDialogs();
    m_mmsKept = MmsSettings();
    m_smtpKept = SmtpSettings();
    QVERIFY(m_dir.isValid());
}

void TestSetupWindows::cleanup()
{
    const QWidgetList windows = QApplication::topLevelWidgets();
    for (QWidget *window : windows)
        QVERIFY2(!window->isVisible(), qPrintable(window->objectName() + " was left open"));
    QFile::remove(m_dir.filePath(QStringLiteral("NET.CFG")));
}

// --- state after opening --------------------------------------------------------------

void TestSetupWindows::shouldOpenInAutoModeWithDesignedContents_data()
{
    QTest::addColumn<Kind>("kind");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("wirelessBox");
    QTest::addColumn<QString>("wirelessText");
    QTest::addColumn<QStringList>("modeFieldLabels");
    QTest::addColumn<QStringList>("editableFields");

    // clang-format off
    QTest::newRow("MMS") << Kind::Mms << "Form5" << "VX305 MMS SETTING" << "Combo1" << "MMS"
        << QStringList{"Label5", "APN", "Label7", "Account", "Label6", "Password",
                       "Label8", "URL", "Label9", "IP", "Label10", "Port"}
        << QStringList{"Text7", "Text8", "Text9", "Text10", "Text11", "Text12", "Text13",
                       "Text14", "Text15", "Text16", "Text17"};
    QTest::newRow("SMTP") << Kind::Smtp << "Form7" << "VX305" << "Combo2" << "SMTP"
        << QStringList{"Label5", "APN", "Label6", "Account", "Label7", "Password"}
        << QStringList{"Text4", "Text5", "Text6", "Text17", "Text7", "Text12", "Text13",
                       "Text14", "Text15", "Text16", "Text18"};
    // clang-format on
}

void TestSetupWindows::shouldOpenInAutoModeWithDesignedContents()
{
    QFETCH(Kind, kind);
    QFETCH(QString, name);
    QFETCH(QString, title);
    QFETCH(QString, wirelessBox);
    QFETCH(QString, wirelessText);
    QFETCH(QStringList, modeFieldLabels);
    QFETCH(QStringList, editableFields);

    const auto window = open(kind);
    QCOMPARE(window->objectName(), name);
    QCOMPARE(window->windowTitle(), title);

    QCOMPARE(textOf(window.get(), modeBoxOf(kind)), QStringLiteral("Auto"));
    QCOMPARE(items(box(window.get(), modeBoxOf(kind))), (QStringList {"Auto", "Manual"}));
    QCOMPARE(textOf(window.get(), wirelessBox), wirelessText);
    QVERIFY(!box(window.get(), wirelessBox)->isEnabled());

    QComboBox *country = box(window.get(), "Combo3");
    QComboBox *operators = box(window.get(), "Combo4");
    QVERIFY(country->isEnabled() && operators->isEnabled());
    QCOMPARE(country->currentText(), QString());
    QCOMPARE(items(country).size(), 35);
    QCOMPARE(items(country).first(), QStringLiteral("Australia"));
    QCOMPARE(items(country).last(), QStringLiteral("United States"));
    QCOMPARE(operators->currentText(), QString());
    QCOMPARE(items(operators), (QStringList {"China Mobile", "China Unicom"}));

    for (const QString &name : modeFieldsOf(kind)) {
        QLineEdit *edit = field(window.get(), name);
        QVERIFY2(edit->isHidden() && !edit->isEnabled(), qPrintable(name));
        QCOMPARE(edit->text(), QString());
    }
    for (qsizetype i = 0; i < modeFieldLabels.size(); i += 2) {
        auto *label = child<QLabel>(window.get(), modeFieldLabels.at(i));
        QVERIFY2(label->isVisible(), qPrintable(modeFieldLabels.at(i)));
        QCOMPARE(label->text(), modeFieldLabels.at(i + 1));
    }
    for (const QString &name : editableFields) {
        QLineEdit *edit = field(window.get(), name);
        QVERIFY2(edit->isVisible() && edit->isEnabled(), qPrintable(name));
        QCOMPARE(edit->text(), QString());
    }

    for (const char *button : {"Command1", "Command2", "Command3", "Command4"})
        QVERIFY(child<QAbstractButton>(window.get(), button)->isVisible());
    QVERIFY(child(window.get(), "Command1")->isEnabled());
}

void TestSetupWindows::shouldOfferOnlyPhoneOneInSmtpWindow()
{
    const auto window = open(Kind::Smtp);
    QVERIFY(child<QLabel>(window.get(), "Label12")->isVisible());
    QVERIFY(field(window.get(), "Text7")->isVisible());
    for (const char *name :
         {"Label13", "Label14", "Label15", "Label16", "Text8", "Text9", "Text10", "Text11"})
        QVERIFY2(child(window.get(), name)->isHidden(), name);

    QComboBox *ssl = box(window.get(), "Combo5");
    QCOMPARE(ssl->currentText(), QStringLiteral("YES"));
    QCOMPARE(items(ssl), (QStringList {"YES", "NO"}));
    QVERIFY(ssl->isVisible() && ssl->isEnabled());
}

void TestSetupWindows::shouldPlaceControlsAsDesigned_data()
{
    QTest::addColumn<Kind>("kind");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("parent");
    QTest::addColumn<QRect>("pixels");

    // Twips at 15 per pixel; the window's own row gives its client size.
    // clang-format off
    QTest::newRow("MMS window")   << Kind::Mms  << "Form5"    << ""        << QRect(0, 0, 774, 570);
    QTest::newRow("MMS Frame1")   << Kind::Mms  << "Frame1"   << "Form5"   << QRect(10, 16, 743, 92);
    QTest::newRow("MMS Combo3")   << Kind::Mms  << "Combo3"   << "Frame1"  << QRect(152, 56, 185, 30);
    QTest::newRow("MMS Text6")    << Kind::Mms  << "Text6"    << "Frame3"  << QRect(88, 88, 277, 31);
    QTest::newRow("MMS Text11")   << Kind::Mms  << "Text11"   << "Frame6"  << QRect(80, 160, 253, 31);
    QTest::newRow("MMS Text17")   << Kind::Mms  << "Text17"   << "Form5"   << QRect(96, 464, 545, 33);
    QTest::newRow("MMS Command3") << Kind::Mms  << "Command3" << "Form5"   << QRect(584, 512, 76, 39);
    QTest::newRow("SMTP window")  << Kind::Smtp << "Form7"    << ""        << QRect(0, 0, 774, 590);
    QTest::newRow("SMTP Combo1")  << Kind::Smtp << "Combo1"   << "Frame1"  << QRect(552, 24, 177, 30);
    QTest::newRow("SMTP Combo5")  << Kind::Smtp << "Combo5"   << "Frame2"  << QRect(96, 160, 241, 30);
    QTest::newRow("SMTP Text17")  << Kind::Smtp << "Text17"   << "Frame2"  << QRect(96, 120, 237, 31);
    QTest::newRow("SMTP Text16")  << Kind::Smtp << "Text16"   << "Frame20" << QRect(88, 160, 261, 31);
    QTest::newRow("SMTP Text18")  << Kind::Smtp << "Text18"   << "Form7"   << QRect(96, 504, 545, 33);
    // clang-format on
}

void TestSetupWindows::shouldPlaceControlsAsDesigned()
{
    QFETCH(Kind, kind);
    QFETCH(QString, name);
    QFETCH(QString, parent);
    QFETCH(QRect, pixels);

    const auto window = open(kind);
    if (parent.isEmpty()) {
        QCOMPARE(window->objectName(), name);
        QCOMPARE(window->size(), pixels.size());
        return;
    }
    QWidget *control = child(window.get(), name);
    QCOMPARE(control->parentWidget()->objectName(), parent);
    QCOMPARE(control->geometry(), pixels);
}

// --- setting mode ---------------------------------------------------------------------

void TestSetupWindows::shouldEmptyFieldsAndBoxesEachTimeManualIsPicked_data()
{
    addWindowRows();
}

void TestSetupWindows::shouldEmptyFieldsAndBoxesEachTimeManualIsPicked()
{
    QFETCH(Kind, kind);
    const auto window = open(kind);
    QComboBox *country = box(window.get(), "Combo3");
    QComboBox *operators = box(window.get(), "Combo4");
    pick(country, "Canada");
    QVERIFY(!textOf(window.get(), "Text1").isEmpty());
    const QStringList canadianOperators = items(operators);

    pick(box(window.get(), modeBoxOf(kind)), "Manual");

    for (const QString &name : modeFieldsOf(kind)) {
        QLineEdit *edit = field(window.get(), name);
        QVERIFY2(edit->isVisible() && edit->isEnabled(), qPrintable(name));
        QCOMPARE(edit->text(), QString());
    }
    QVERIFY(!country->isEnabled() && !operators->isEnabled());
    QCOMPARE(country->currentText(), QString());
    QCOMPARE(operators->currentText(), QString());
    QCOMPARE(items(country).size(), 35);
    QCOMPARE(items(operators), canadianOperators);

    // Manual again, after typing: emptied again.
    for (const QString &name : modeFieldsOf(kind))
        typeInto(field(window.get(), name), "typed");
    typeInto(country, "Somewhere");
    pick(box(window.get(), modeBoxOf(kind)), "Manual");
    for (const QString &name : modeFieldsOf(kind))
        QCOMPARE(textOf(window.get(), name), QString());
    QCOMPARE(country->currentText(), QString());
}

void TestSetupWindows::shouldKeepTypedValuesHiddenWhenAutoIsPickedAgain_data()
{
    addWindowRows();
}

void TestSetupWindows::shouldKeepTypedValuesHiddenWhenAutoIsPickedAgain()
{
    QFETCH(Kind, kind);
    const auto window = open(kind);
    QComboBox *mode = box(window.get(), modeBoxOf(kind));
    pick(mode, "Manual");
    for (const QString &name : modeFieldsOf(kind))
        typeInto(field(window.get(), name), "typed " + name);

    pick(mode, "Auto");
    for (const QString &name : modeFieldsOf(kind)) {
        QLineEdit *edit = field(window.get(), name);
        QVERIFY2(edit->isHidden() && !edit->isEnabled(), qPrintable(name));
        QCOMPARE(edit->text(), "typed " + name);
    }
    QVERIFY(box(window.get(), "Combo3")->isEnabled());
    QVERIFY(box(window.get(), "Combo4")->isEnabled());

    // Auto again changes nothing, not even a country's texts.
    pick(box(window.get(), "Combo3"), "China");
    const QString apn = textOf(window.get(), "Text1");
    pick(mode, "Auto");
    QCOMPARE(textOf(window.get(), "Combo3"), QStringLiteral("China"));
    QCOMPARE(textOf(window.get(), "Combo4"), QStringLiteral("China Mobile"));
    QCOMPARE(textOf(window.get(), "Text1"), apn);
    QVERIFY(field(window.get(), "Text1")->isHidden());
}

void TestSetupWindows::shouldSwitchModeWhenMovingThroughListWithKeyboard_data()
{
    addWindowRows();
}

void TestSetupWindows::shouldSwitchModeWhenMovingThroughListWithKeyboard()
{
    QFETCH(Kind, kind);
    const auto window = open(kind);
    QComboBox *mode = box(window.get(), modeBoxOf(kind));
    const QString firstField = modeFieldsOf(kind).first();

    QTest::keyClick(mode, Qt::Key_Down);
    QCOMPARE(mode->currentText(), QStringLiteral("Manual"));
    QVERIFY(field(window.get(), firstField)->isVisible());
    QVERIFY(!box(window.get(), "Combo3")->isEnabled());

    QTest::keyClick(mode, Qt::Key_Up);
    QCOMPARE(mode->currentText(), QStringLiteral("Auto"));
    QVERIFY(field(window.get(), firstField)->isHidden());
    QVERIFY(box(window.get(), "Combo3")->isEnabled());
}

void TestSetupWindows::shouldLeaveSmtpServerFieldsAloneInEitherMode()
{
    const auto window = open(Kind::Smtp);
    const QStringList serverFields {"Text4", "Text5", "Text6", "Text17"};
    for (const QString &name : serverFields)
        typeInto(field(window.get(), name), "kept " + name);
    pick(box(window.get(), "Combo5"), "NO");

    QComboBox *mode = box(window.get(), "Combo1");
    for (const char *choice : {"Manual", "Auto", "Manual"}) {
        pick(mode, choice);
        for (const QString &name : serverFields) {
            QLineEdit *edit = field(window.get(), name);
            QCOMPARE(edit->text(), "kept " + name);
            QVERIFY(edit->isVisible() && edit->isEnabled());
        }
        QCOMPARE(textOf(window.get(), "Combo5"), QStringLiteral("NO"));
    }
}

void TestSetupWindows::shouldProposeTheSendersServerButKeepAnother_data()
{
    QTest::addColumn<QString>(
        "before"); // what gave the Server first: "", "typed", "profile", "read"
    QTest::addColumn<QStringList>("senders"); // typed one after the other
    QTest::addColumn<QString>("shown"); // "Server Port SSL" at the end

    // clang-format off
    QTest::newRow("an empty Server filled")        << "" << QStringList{"me@gmail.com"} << "smtp.gmail.com 465 YES";
    QTest::newRow("a proposal replaced")           << "" << QStringList{"me@gmail.com", "me@icloud.com"} << "smtp.mail.me.com 587 NO";
    QTest::newRow("an unknown domain: no change")  << "" << QStringList{"me@gmail.com", "me@example.org"} << "smtp.gmail.com 465 YES";
    QTest::newRow("a typed server kept")           << "typed" << QStringList{"me@gmail.com"} << "mail.example.org  YES";
    QTest::newRow("a profile's server kept")       << "profile" << QStringList{"me@gmail.com"} << "smtp.t-com.sk 25 NO";
    QTest::newRow("a read card's server kept")     << "read" << QStringList{"me@yahoo.com"} << "smtp.gmail.com 587 NO";
    // clang-format on
}

void TestSetupWindows::shouldProposeTheSendersServerButKeepAnother()
{
    QFETCH(QString, before);
    QFETCH(QStringList, senders);
    QFETCH(QString, shown);
    const auto window = open(Kind::Smtp);
    QWidget *w = window.get();
    if (before == u"typed") {
        typeInto(field(w, "Text4"), "mail.example.org");
    } else if (before == u"profile") {
        pick(box(w, "Combo3"), "Slovakia");
    } else if (before == u"read") {
        // A proposal first, then a card whose server is the same: the card's now.
        typeAddress(field(w, "Text6"), "me@gmail.com");
        const QString card = m_dir.filePath(QStringLiteral("NET.CFG"));
        put(card,
            stored("[SMTP]\r\nServer=smtp.gmail.com\r\nPort=587\r\nSender=me@gmail.com\r\n"
                   "SSL=0\r\n"));
        typeInto(field(w, "Text18"), card);
        m_dialogs.answers.append(true); // replace what was typed
        QTest::mouseClick(child<QAbstractButton>(w, "Command1"), Qt::LeftButton);
    }
    for (const QString &sender : std::as_const(senders))
        typeAddress(field(w, "Text6"), sender);

    QCOMPARE(textOf(w, "Text4") + u' ' + textOf(w, "Text5") + u' ' + textOf(w, "Combo5"), shown);
    QCOMPARE(textOf(w, "Text6"), senders.last());
}

void TestSetupWindows::shouldRunNothingWhenTextIsTyped_data()
{
    addWindowRows();
}

void TestSetupWindows::shouldRunNothingWhenTextIsTyped()
{
    QFETCH(Kind, kind);
    const auto window = open(kind);
    QComboBox *mode = box(window.get(), modeBoxOf(kind));
    const QString firstField = modeFieldsOf(kind).first();

    // A list entry typed and confirmed, then the box left: still no pick.
    typeInto(mode, "Manual");
    emit mode->lineEdit()->editingFinished();
    QCOMPARE(mode->currentText(), QStringLiteral("Manual"));
    QVERIFY(field(window.get(), firstField)->isHidden());
    QVERIFY(box(window.get(), "Combo3")->isEnabled());
    QCOMPARE(items(mode), (QStringList {"Auto", "Manual"}));

    QComboBox *country = box(window.get(), "Combo3");
    QComboBox *operators = box(window.get(), "Combo4");
    typeInto(country, "Canada");
    emit country->lineEdit()->editingFinished();
    QCOMPARE(items(operators), (QStringList {"China Mobile", "China Unicom"}));
    QCOMPARE(operators->currentText(), QString());
    QCOMPARE(items(country).size(), 35);

    // And typed "Auto" in Manual mode leaves Manual mode as it is.
    pick(mode, "Manual");
    typeInto(field(window.get(), firstField), "mine");
    typeInto(mode, "Auto");
    QVERIFY(field(window.get(), firstField)->isVisible());
    QCOMPARE(textOf(window.get(), firstField), QStringLiteral("mine"));
}

// --- carrier picks --------------------------------------------------------------------

void TestSetupWindows::shouldFillFieldsWhenCountryIsPicked_data()
{
    QTest::addColumn<Kind>("kind");
    QTest::addColumn<QString>("country");
    QTest::addColumn<QString>("shownOperator");
    QTest::addColumn<Texts>("fields");

    // clang-format off
    QTest::newRow("MMS Canada")    << Kind::Mms  << "Canada"   << "Roger"        << Texts{{"Text6", "80"}};
    QTest::newRow("MMS China")     << Kind::Mms  << "China"    << "China Mobile" << Texts{{"Text1", "cmwap"}, {"Text6", "80"}};
    QTest::newRow("MMS Slovakia")  << Kind::Mms  << "Slovakia" << "T-Mobile"     << Texts{{"Text6", "8080"}};
    QTest::newRow("MMS Germany")   << Kind::Mms  << "Germany"  << ""             << Texts{{"Text6", ""}}; // Optus's, emptied
    QTest::newRow("SMTP Canada")   << Kind::Smtp << "Canada"   << "Koodo"        << Texts{};
    QTest::newRow("SMTP Slovakia") << Kind::Smtp << "Slovakia" << "T-Mobile"     << Texts{{"Text1", "internet"}, {"Text5", "25"}, {"Combo5", "NO"}};
    QTest::newRow("SMTP Germany")  << Kind::Smtp << "Germany"  << "T-Mobile"     << Texts{};
    // clang-format on
}

void TestSetupWindows::shouldFillFieldsWhenCountryIsPicked()
{
    QFETCH(Kind, kind);
    QFETCH(QString, country);
    QFETCH(QString, shownOperator);
    QFETCH(Texts, fields);

    const auto window = open(kind);
    // Another country first: the pick must replace its operators, not add to them.
    pick(box(window.get(), "Combo3"), "Australia");
    pick(box(window.get(), "Combo3"), country);

    QComboBox *operators = box(window.get(), "Combo4");
    QCOMPARE(items(operators), countryOf(kind, country).operators);
    QCOMPARE(operators->currentText(), shownOperator);
    if (!shownOperator.isEmpty())
        QVERIFY(!textOf(window.get(), "Text1").isEmpty());
    for (auto it = fields.cbegin(); it != fields.cend(); ++it)
        QCOMPARE(textOf(window.get(), it.key()), it.value());
}

void TestSetupWindows::shouldApplyOperatorOfThisWindowWhenOperatorIsPicked()
{
    // Russia has no default operator; its operators' credentials differ by window.
    const auto mmsWindow = open(Kind::Mms);
    pick(box(mmsWindow.get(), "Combo3"), "Russia");
    QCOMPARE(textOf(mmsWindow.get(), "Text6"), QString());
    pick(box(mmsWindow.get(), "Combo4"), "Beeline");
    QCOMPARE(textOf(mmsWindow.get(), "Text6"), QStringLiteral("8080"));
    QVERIFY(!textOf(mmsWindow.get(), "Text3").isEmpty());
    pick(box(mmsWindow.get(), "Combo4"), "Megafon");
    QCOMPARE(textOf(mmsWindow.get(), "Text2"), QString());
    QCOMPARE(textOf(mmsWindow.get(), "Text3"), QString());
    mmsWindow->close();

    const auto smtpWindow = open(Kind::Smtp);
    pick(box(smtpWindow.get(), "Combo3"), "Russia");
    QCOMPARE(textOf(smtpWindow.get(), "Text1"), QString());
    pick(box(smtpWindow.get(), "Combo4"), "Beeline");
    QVERIFY(!textOf(smtpWindow.get(), "Text2").isEmpty());
    pick(box(smtpWindow.get(), "Combo4"), "TELE2");
    QCOMPARE(textOf(smtpWindow.get(), "Text2"), QString());
    QCOMPARE(textOf(smtpWindow.get(), "Text3"), QString());
    QVERIFY(!textOf(smtpWindow.get(), "Text1").isEmpty());
    smtpWindow->close();
}

// --- folder button and Generate -------------------------------------------------------

void TestSetupWindows::shouldWriteMmsFileWithManualValuesAfterBackToAuto()
{
    const auto window = open(Kind::Mms);
    QWidget *w = window.get();
    pick(box(w, "Combo2"), "Manual");
    const Texts manual {{"Text1", "my.apn"},      {"Text2", "secret"},
                        {"Text3", "user"},        {"Text4", "http://mmsc.example:8002/mms"},
                        {"Text5", "010.0.0.172"}, {"Text6", "9201"}};
    for (auto it = manual.cbegin(); it != manual.cend(); ++it)
        typeInto(field(w, it.key()), it.value());
    pick(box(w, "Combo2"), "Auto");
    typeInto(field(w, "Text7"), "+420 123");
    typeInto(field(w, "Text11"), "555");
    typeInto(field(w, "Text12"), "me@example.org");
    typeInto(field(w, "Text16"), " last@example.org ");

    m_dialogs.folderAnswers.append(m_dir.path());
    QTest::mouseClick(child<QAbstractButton>(w, "Command4"), Qt::LeftButton);
    const QString destination = m_dir.filePath(QStringLiteral("NET.CFG"));
    QCOMPARE(textOf(w, "Text17"), QDir::toNativeSeparators(destination));
    QCOMPARE(m_dialogs.folderTitles, QStringList {kFolderTitle});

    QTest::mouseClick(child<QAbstractButton>(w, "Command2"), Qt::LeftButton);

    MmsSettings expected;
    expected.APN = "my.apn";
    expected.APNPassword = "secret";
    expected.APNAccount = "user";
    expected.URL = "http://mmsc.example:8002/mms";
    expected.IP = "010.0.0.172";
    expected.Port = "9201";
    expected.Phone1 = "+420 123";
    expected.Phone5 = "555";
    expected.Email1 = "me@example.org";
    expected.Email5 = " last@example.org ";
    QCOMPARE(readFile(destination), stored(ComposeNetCfg(expected)));
    QCOMPARE(m_dialogs.messages, (QList<FakeDialogs::Message> {{kApplicationTitle, kSuccess}}));
    for (const QPointer<QWidget> &owner : std::as_const(m_dialogs.owners))
        QCOMPARE(owner.data(), w);
}

void TestSetupWindows::shouldWriteSmtpFileWithManualValuesAfterBackToAuto()
{
    const auto window = open(Kind::Smtp);
    QWidget *w = window.get();
    pick(box(w, "Combo1"), "Manual");
    typeInto(field(w, "Text1"), "data.apn");
    typeInto(field(w, "Text2"), "user");
    typeInto(field(w, "Text3"), "secret");
    pick(box(w, "Combo1"), "Auto");
    typeInto(field(w, "Text4"), "smtp.example.org");
    typeInto(field(w, "Text5"), "465");
    typeInto(field(w, "Text6"), "camera@example.org");
    typeInto(field(w, "Text17"), "pa=ss");
    pick(box(w, "Combo5"), "NO");
    typeInto(field(w, "Text7"), "12345");
    typeInto(field(w, "Text12"), "me@example.org");
    typeInto(field(w, "Text14"), "third@example.org");

    m_dialogs.folderAnswers.append(m_dir.path());
    QTest::mouseClick(child<QAbstractButton>(w, "Command4"), Qt::LeftButton);
    const QString destination = m_dir.filePath(QStringLiteral("NET.CFG"));
    QCOMPARE(textOf(w, "Text18"), QDir::toNativeSeparators(destination));

    QTest::mouseClick(child<QAbstractButton>(w, "Command2"), Qt::LeftButton);

    SmtpSettings expected;
    expected.APN = "data.apn";
    expected.APNAccount = "user";
    expected.APNPassword = "secret";
    expected.Server = "smtp.example.org";
    expected.Port = "465";
    expected.Sender = "camera@example.org";
    expected.Password = "pa=ss";
    expected.SSL = Ssl::no();
    expected.Phone1 = "12345";
    expected.Email1 = "me@example.org";
    expected.Email3 = "third@example.org";
    QCOMPARE(readFile(destination), stored(ComposeNetCfg(expected)));
    QCOMPARE(m_smtpKept.SSL, Ssl::no());
    QCOMPARE(m_dialogs.messages, (QList<FakeDialogs::Message> {{kApplicationTitle, kSuccess}}));
}

void TestSetupWindows::shouldChooseTheFolderFirstWhenThePathIsEmpty_data()
{
    QTest::addColumn<bool>("chosen"); // else the folder browser is cancelled
    QTest::addColumn<bool>("writeAnyway"); // the answer to the empty connection values
    QTest::addColumn<bool>("written");

    QTest::newRow("browser cancelled") << false << true << false;
    QTest::newRow("folder chosen") << true << true << true;
    QTest::newRow("folder chosen, not written anyway") << true << false << false;
}

void TestSetupWindows::shouldChooseTheFolderFirstWhenThePathIsEmpty()
{
    QFETCH(bool, chosen);
    QFETCH(bool, writeAnyway);
    QFETCH(bool, written);
    QTemporaryDir workingDirectory;
    const QString before = QDir::currentPath();
    QVERIFY(QDir::setCurrent(workingDirectory.path()));
    const auto window = open(Kind::Mms);
    if (chosen)
        m_dialogs.folderAnswers.append(m_dir.path());
    m_dialogs.answers.append(writeAnyway);

    QTest::mouseClick(child<QAbstractButton>(window.get(), "Command2"), Qt::LeftButton);
    QDir::setCurrent(before);

    const QString destination = m_dir.filePath(QStringLiteral("NET.CFG"));
    QCOMPARE(m_dialogs.folderTitles, QStringList {kFolderTitle});
    QCOMPARE(textOf(window.get(), "Text17"),
             chosen ? QDir::toNativeSeparators(destination) : QString());
    QCOMPARE(m_dialogs.questions.size(), chosen ? 1 : 0);
    QCOMPARE(QFile::exists(destination), written);
    QVERIFY(QDir(workingDirectory.path()).isEmpty());
}

// --- Read -----------------------------------------------------------------------------

void TestSetupWindows::shouldFillTheWindowAsPickedAndWriteTheFileAgain_data()
{
    QTest::addColumn<Kind>("kind");
    QTest::addColumn<QByteArray>("plain"); // stored as NET.CFG
    QTest::addColumn<QString>("picked"); // "mode country/operator ssl box"
    QTest::addColumn<QString>("message");
    QTest::addColumn<QByteArray>("rewritten"); // what Generate writes; empty: the file as read

    // Canada's Bell: not the country's default, and its profile carries no credentials.
    const QByteArray bell
        = "[SMTP]\r\nAPN=pda.bell.ca\r\nServer=smtp.example.org\r\nPort=465\r\n"
          "Sender=camera@example.org\r\nPassword=pa=ss\r\nEmail1=me@example.org\r\n"
          "Email2=\r\nEmail3=\r\nEmail4=\r\nEmail5=x@y\r\nSSL=%1\r\nPhone1=12345\r\n"
          "APNAccount=\r\nAPNPassword=\r\n";
    // clang-format off
    QTest::newRow("MMS, no known operator's values") << Kind::Mms
        << QByteArray("[MMS]\r\nURL=http://mmsc.example/mms\r\nAPN=my.apn\r\nIP=10.0.0.172\r\nPort=9201\r\n"
                      "Phone1=+420 123\r\nPhone1=999\r\nColour=blue\r\nEmail1=me@example.org\r\nAPNPassword=pw\r\n")
        << "Manual /" << "This NET.CFG gives Phone1 more than once; the window shows its first value."
        << QByteArray("[MMS]\r\nURL=http://mmsc.example/mms\r\nAPN=my.apn\r\nIP=10.0.0.172\r\nPort=9201\r\n"
                      "Phone1=+420 123\r\nPhone2=\r\nPhone3=\r\nPhone4=\r\nPhone5=\r\nEmail1=me@example.org\r\n"
                      "Email2=\r\nEmail3=\r\nEmail4=\r\nEmail5=\r\nAPNAccount=\r\nAPNPassword=pw\r\n");
    QTest::newRow("SMTP Bell, SSL 1") << Kind::Smtp << QByteArray(bell).replace("%1", "1") << "Auto Canada/Bell YES" << "" << QByteArray();
    QTest::newRow("SMTP Bell, SSL 0") << Kind::Smtp << QByteArray(bell).replace("%1", "0") << "Auto Canada/Bell NO" << "" << QByteArray();
    QTest::newRow("SMTP Bell, SSL 2") << Kind::Smtp << QByteArray(bell).replace("%1", "2") << "Auto Canada/Bell 2" << "" << QByteArray();
    // clang-format on
}

void TestSetupWindows::shouldFillTheWindowAsPickedAndWriteTheFileAgain()
{
    QFETCH(Kind, kind);
    QFETCH(QByteArray, plain);
    QFETCH(QString, picked);
    QFETCH(QString, message);
    QFETCH(QByteArray, rewritten);
    const QString destination = m_dir.filePath(QStringLiteral("NET.CFG"));
    put(destination, stored(plain));
    m_smtpKept.SSL = Ssl::yes(); // from an earlier Generate
    const auto window = open(kind);
    QWidget *w = window.get();
    pick(box(w, modeBoxOf(kind)), "Manual");
    typeInto(field(w, "Text2"), "typed credential"); // which the file leaves empty
    m_dialogs.folderAnswers.append(m_dir.path()); // the Path field is empty

    QTest::mouseClick(child<QAbstractButton>(w, "Command1"), Qt::LeftButton);

    QCOMPARE(textOf(w, pathFieldOf(kind)), QDir::toNativeSeparators(destination));
    QString shown = textOf(w, modeBoxOf(kind)) + u' ' + textOf(w, "Combo3") + u'/'
        + textOf(w, "Combo4") + (kind == Kind::Smtp ? u' ' + textOf(w, "Combo5") : QString());
    QCOMPARE(shown, picked);
    if (!textOf(w, "Combo3").isEmpty())
        QCOMPARE(items(box(w, "Combo4")), countryOf(kind, textOf(w, "Combo3")).operators);
    QList<FakeDialogs::Message> messages;
    if (!message.isEmpty())
        messages.append({kApplicationTitle, message});
    QCOMPARE(m_dialogs.messages, messages);

    QTest::mouseClick(child<QAbstractButton>(w, "Command2"), Qt::LeftButton);
    QCOMPARE(readFile(destination), stored(rewritten.isEmpty() ? plain : rewritten));
}

void TestSetupWindows::shouldLeaveTheWindowAsItWasWhenNothingIsRead_data()
{
    QTest::addColumn<Kind>("kind");
    QTest::addColumn<QByteArray>("plain"); // stored as NET.CFG; empty: no file
    QTest::addColumn<bool>("pathGiven"); // else the Path field is empty and the browser cancelled
    QTest::addColumn<QString>("message"); // %1: the folder

    // clang-format off
    QTest::newRow("SMTP file, MMS window") << Kind::Mms << QByteArray("[SMTP]\r\nAPN=a\r\n") << true
        << "This NET.CFG holds SMTP settings; read it in the SMTP window.";
    QTest::newRow("MMS file, SMTP window") << Kind::Smtp << QByteArray("[MMS]\r\nAPN=a\r\n") << true
        << "This NET.CFG holds MMS settings; read it in the MMS window.";
    QTest::newRow("no NET.CFG") << Kind::Mms << QByteArray() << true << "There is no NET.CFG in %1.";
    QTest::newRow("folder browser cancelled") << Kind::Smtp << QByteArray("[SMTP]\r\n") << false << "";
    // clang-format on
}

void TestSetupWindows::shouldLeaveTheWindowAsItWasWhenNothingIsRead()
{
    QFETCH(Kind, kind);
    QFETCH(QByteArray, plain);
    QFETCH(bool, pathGiven);
    QFETCH(QString, message);
    if (!plain.isEmpty())
        put(m_dir.filePath(QStringLiteral("NET.CFG")), stored(plain));
    const auto window = open(kind);
    pick(box(window.get(), "Combo3"), "Canada");
    typeInto(field(window.get(), "Text7"), "555");
    if (pathGiven)
        typeInto(field(window.get(), pathFieldOf(kind)), m_dir.filePath(QStringLiteral("NET.CFG")));
    const QStringList before = stateOf(window.get());

    QTest::mouseClick(child<QAbstractButton>(window.get(), "Command1"), Qt::LeftButton);

    QCOMPARE(stateOf(window.get()), before);
    QList<FakeDialogs::Message> messages;
    if (!message.isEmpty())
        messages.append({kApplicationTitle,
                         message.contains(u"%1")
                             ? message.arg(QDir::toNativeSeparators(m_dir.path()))
                             : message});
    QCOMPARE(m_dialogs.messages, messages);
    QCOMPARE(m_dialogs.folderTitles.size(), pathGiven ? 0 : 1);
}

void TestSetupWindows::shouldWriteTheSslValueAsReadUntilTheBoxIsChanged_data()
{
    QTest::addColumn<QByteArray>("read"); // the file's SSL value
    QTest::addColumn<QString>("picked"); // in the SSL box after the read; empty: none
    QTest::addColumn<QString>("written");

    // clang-format off
    QTest::newRow("YES")                 << QByteArray("YES") << ""   << "SSL=YES";
    QTest::newRow("NO")                  << QByteArray("NO")  << ""   << "SSL=NO";
    QTest::newRow("0")                   << QByteArray("0")   << ""   << "SSL=0";
    QTest::newRow("2")                   << QByteArray("2")   << ""   << "SSL=2";
    QTest::newRow("empty")               << QByteArray()      << ""   << "SSL=";
    QTest::newRow("YES, then NO picked") << QByteArray("YES") << "NO" << "SSL=0";
    // clang-format on
}

void TestSetupWindows::shouldWriteTheSslValueAsReadUntilTheBoxIsChanged()
{
    QFETCH(QByteArray, read);
    QFETCH(QString, picked);
    QFETCH(QString, written);
    const QString destination = m_dir.filePath(QStringLiteral("NET.CFG"));
    put(destination,
        stored("[SMTP]\r\nAPN=a\r\nServer=s\r\nPort=25\r\nSender=c@d\r\nSSL=" + read
               + "\r\nPhone1=1\r\nEmail1=e@f\r\n"));
    const auto window = open(Kind::Smtp);
    typeInto(field(window.get(), "Text18"), destination);
    QTest::mouseClick(child<QAbstractButton>(window.get(), "Command1"), Qt::LeftButton);
    if (!picked.isEmpty())
        pick(box(window.get(), "Combo5"), picked);

    QTest::mouseClick(child<QAbstractButton>(window.get(), "Command2"), Qt::LeftButton);
    QVERIFY(plainLines(readFile(destination)).contains(written));
    QVERIFY(m_dialogs.questions.isEmpty()); // typing the Path is no edit to ask about
}

void TestSetupWindows::shouldAskBeforeReadReplacesWhatTheUserEdited_data()
{
    QTest::addColumn<bool>("written"); // Generate since the edit
    QTest::newRow("typed into Email 2, No") << false;
    QTest::newRow("written since: no question") << true;
}

void TestSetupWindows::shouldAskBeforeReadReplacesWhatTheUserEdited()
{
    QFETCH(bool, written);
    const QString destination = m_dir.filePath(QStringLiteral("NET.CFG"));
    const auto window = open(Kind::Mms);
    QWidget *w = window.get();
    typeInto(field(w, "Text13"), "two@example.org");
    typeInto(field(w, "Text17"), destination);
    if (written)
        QTest::mouseClick(child<QAbstractButton>(w, "Command2"), Qt::LeftButton);
    put(destination, stored("[MMS]\r\nAPN=a\r\nEmail2=b\r\n"));
    m_dialogs.questions.clear();
    m_dialogs.answers = {false};

    QTest::mouseClick(child<QAbstractButton>(w, "Command1"), Qt::LeftButton);
    QCOMPARE(m_dialogs.questions.size(), written ? 0 : 1);
    QCOMPARE(textOf(w, "Text13"), written ? "b" : "two@example.org");
}

// --- Exit -----------------------------------------------------------------------------

void TestSetupWindows::shouldCloseAndGoAwayOnExit_data()
{
    addWindowRows();
}

void TestSetupWindows::shouldCloseAndGoAwayOnExit()
{
    QFETCH(Kind, kind);
    std::unique_ptr<SetupWindow> owned = open(kind);
    QPointer<SetupWindow> window = owned.release(); // from here the window deletes itself
    window->setAttribute(Qt::WA_DeleteOnClose);
    QSignalSpy closed(window.data(), &FramelessWindow::closed);

    QTest::mouseClick(child<QAbstractButton>(window, "Command3"), Qt::LeftButton);

    QCOMPARE(closed.count(), 1);
    QTRY_VERIFY(window.isNull());
}

QTEST_MAIN(TestSetupWindows)
#include "tst_setupwindows.moc"
