// Whole runs from the launcher through the real setup windows, as a user makes them: tiles
// clicked, entries picked from the boxes' lists with the mouse or the keyboard, recipients
// typed, the folder button, Generate, Exit and Esc. The file on disk is compared with bytes
// built here from literal lines.
#include "app/application.h"
#include "common/fakedialogs.h"
#include "common/qtwarnings.h"
#include "common/recordedruns.h"
#include "common/windowtesting.h"
#include "setup/mmswindow.h"
#include "setup/smtpwindow.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QRegularExpression>
#include <QScreen>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

#ifdef Q_OS_WIN
#include <iterator>
#include <windows.h>
// After windows.h:
#include <psapi.h>
#endif

using Texts = QMap<QString, QString>; // control name -> text

namespace {

// The captions of a window's panels, labels and buttons as its design table gives them.
Texts designedCaptions(Kind kind)
{
    const WindowDesign &design = kind == Kind::Mms ? mmsWindowDesign() : smtpWindowDesign();
    Texts captions;
    for (const ControlDesign &control : design.controls) {
        if (control.kind == ControlKind::Panel || control.kind == ControlKind::Label
            || control.kind == ControlKind::Button)
            captions.insert(control.name, control.text);
    }
    return captions;
}

int rowOf(const QComboBox *combo, const QString &entry)
{
    return combo->findText(entry, Qt::MatchExactly | Qt::MatchCaseSensitive);
}

// A pick with the mouse: a click on the box's arrow opens its list, then a click on the entry.
void pickWithMouse(QComboBox *combo, const QString &entry)
{
    const int row = rowOf(combo, entry);
    QVERIFY2(row >= 0, qPrintable(combo->objectName() + " lists no " + entry));
    QTest::mouseClick(combo, Qt::LeftButton, {}, QPoint(combo->width() - 5, combo->height() / 2));
    QAbstractItemView *list = combo->view();
    QTRY_VERIFY(list->isVisible());

    const QModelIndex index = combo->model()->index(row, combo->modelColumn());
    list->scrollTo(index);
    const QPoint point = list->visualRect(index).center();
    // The pointer travels to the entry: Qt drops a move to where the pointer already is.
    QTest::mouseMove(list->viewport(), point + QPoint(1, 1));
    QTest::mouseMove(list->viewport(), point);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, point);
    QTRY_VERIFY(!list->isVisible());
}

// A pick with the keyboard: Alt+Down opens the list, the arrow keys move to the entry, Enter.
void pickWithKeyboard(QComboBox *combo, const QString &entry)
{
    QVERIFY2(rowOf(combo, entry) >= 0, qPrintable(combo->objectName() + " lists no " + entry));
    QTest::keyClick(combo, Qt::Key_Down, Qt::AltModifier);
    QAbstractItemView *list = combo->view();
    QTRY_VERIFY(list->isVisible());

    QTest::keyClick(list, Qt::Key_Home);
    for (int moves = 0; moves < combo->count() && list->currentIndex().data() != entry; ++moves)
        QTest::keyClick(list, Qt::Key_Down);
    QCOMPARE(list->currentIndex().data().toString(), entry);
    QTest::keyClick(list, Qt::Key_Return);
    QTRY_VERIFY(!list->isVisible());
}

// A click into the field, then typing.
void typeInto(const QWidget *window, const QString &name, const QString &text)
{
    auto *field = child<QLineEdit>(window, name);
    QTest::mouseClick(field, Qt::LeftButton);
    QTest::keyClicks(field, text);
}

void click(const QWidget *window, const QString &button)
{
    QTest::mouseClick(child<QAbstractButton>(window, button), Qt::LeftButton);
}

// The libraries this process has loaded, by file name: its mapped files on Linux, its modules
// on Windows.
QStringList loadedLibraries()
{
    QStringList names;
#ifdef Q_OS_WIN
    HMODULE modules[1024];
    DWORD bytes = 0;
    EnumProcessModules(GetCurrentProcess(), modules, sizeof modules, &bytes);
    for (DWORD i = 0; i < bytes / sizeof(HMODULE) && i < std::size(modules); ++i) {
        wchar_t path[MAX_PATH];
        const DWORD length = GetModuleFileNameW(modules[i], path, MAX_PATH);
        names.append(QString::fromWCharArray(path, int(length)));
    }
#else
    QFile maps(QStringLiteral("/proc/self/maps")); // address perms offset device inode path
    if (maps.open(QIODevice::ReadOnly))
        names = QString::fromLocal8Bit(maps.readAll()).split(u'\n');
#endif
    for (QString &name : names)
        name = QFileInfo(name.section(u' ', -1)).fileName().toLower();
    return names;
}

} // namespace

class TestEndToEnd : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void shouldCaptionTheOpenedWindowInTheLaunchersLanguage_data();
    void shouldCaptionTheOpenedWindowInTheLaunchersLanguage();
    void shouldLeaveOtherCaptionsAloneInEveryLanguage_data();
    void shouldLeaveOtherCaptionsAloneInEveryLanguage();
    void shouldShowTheTilesAsWhiteSquaresWithBlueNames();
    void shouldTitleTheFolderBrowserInTheLaunchersLanguage_data();
    void shouldTitleTheFolderBrowserInTheLaunchersLanguage();

    void shouldWriteTheFileOfARunThroughTheWindow_data();
    void shouldWriteTheFileOfARunThroughTheWindow();

    void shouldReopenFreshAndFindTheLauncherWhereItWasLeft_data();
    void shouldReopenFreshAndFindTheLauncherWhereItWasLeft();
    void shouldKeepTheSslValueForTheNextOpening();
    void shouldLoadNoMailLibraryForTheLauncherOrTheSmtpWindow();
    void shouldEndTheRunOnEscAloneInASetupWindow_data();
    void shouldEndTheRunOnEscAloneInASetupWindow();

private:
    // Clicks the window's tile in the launcher; the window opened, or nullptr.
    QWidget *openFromTile(Kind kind);
    // The folder button, with the temporary folder as the user's choice.
    void chooseTemporaryFolder(const QWidget *window);
    QString destination() const { return m_dir->filePath(QStringLiteral("NET.CFG")); }

    FakeDialogs m_dialogs;
    std::unique_ptr<Application> m_app;
    std::unique_ptr<QTemporaryDir> m_dir;
};

void TestEndToEnd::init()
{
    failOnQtWarnings();
    m_dialogs = FakeDialogs();
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    m_app = std::make_unique<Application>(m_dialogs);
    m_app->launcher().show();
    QVERIFY(QTest::qWaitForWindowExposed(&m_app->launcher()));
}

void TestEndToEnd::cleanup()
{
    m_app.reset();
    m_dir.reset();
    // The launcher took every window it opened with it.
    QTRY_VERIFY(QApplication::topLevelWidgets().isEmpty());
}

QWidget *TestEndToEnd::openFromTile(Kind kind)
{
    LauncherWindow &launcher = m_app->launcher();
    QWidget *tile = launcher.control(kind == Kind::Mms ? "Label5" : "Label6");
    QTest::mouseClick(tile, Qt::LeftButton, {}, QPoint(20, 20));
    QWidget *window = launcher.setupWindow();
    if (!window || !QTest::qWaitForWindowExposed(window))
        return nullptr;
    return window;
}

void TestEndToEnd::chooseTemporaryFolder(const QWidget *window)
{
    m_dialogs.folderAnswers.append(m_dir->path());
    click(window, "Command4");
}

// --- captions -------------------------------------------------------------------------

void TestEndToEnd::shouldCaptionTheOpenedWindowInTheLaunchersLanguage_data()
{
    QTest::addColumn<Kind>("kind");
    QTest::addColumn<QString>("language");
    QTest::addColumn<Texts>("changed"); // the captions that differ from the designed ones

    const Texts nothing;
    QTest::newRow("MMS, English") << Kind::Mms << "English"
                                  << Texts {{"Label4", "Operator"}, {"Command1", "Read Cfg"}};
    QTest::newRow("SMTP, English") << Kind::Smtp << "English" << Texts {{"Command1", "Read Cfg"}};
    QTest::newRow("MMS, English with a space") << Kind::Mms << "English " << nothing;
    QTest::newRow("SMTP, english") << Kind::Smtp << "english" << nothing;
}

void TestEndToEnd::shouldCaptionTheOpenedWindowInTheLaunchersLanguage()
{
    QFETCH(Kind, kind);
    QFETCH(QString, language);
    QFETCH(Texts, changed);
    m_app->launcher().control<QComboBox>("Combo1")->setEditText(language);

    QWidget *window = openFromTile(kind);
    QVERIFY(window);
    QVERIFY(m_app->launcher().isHidden());
    QCOMPARE(window->objectName(), kind == Kind::Mms ? "Form5" : "Form7");

    const Texts designed = designedCaptions(kind);
    for (auto it = designed.cbegin(); it != designed.cend(); ++it)
        QCOMPARE(textOf(window, it.key()), changed.value(it.key(), it.value()));
    QVERIFY(child(window, "Command1")->isVisible());
}

void TestEndToEnd::shouldLeaveOtherCaptionsAloneInEveryLanguage_data()
{
    QTest::addColumn<Kind>("kind");
    QTest::addColumn<QString>("language");

    QStringList languages; // the launcher's language selector's
    for (const ControlDesign &control : launcherWindowDesign().controls) {
        if (control.name == "Combo1")
            languages = control.items;
    }
    for (const QString &language : std::as_const(languages)) {
        QTest::addRow("MMS, %s", qPrintable(language)) << Kind::Mms << language;
        QTest::addRow("SMTP, %s", qPrintable(language)) << Kind::Smtp << language;
    }
}

void TestEndToEnd::shouldLeaveOtherCaptionsAloneInEveryLanguage()
{
    QFETCH(Kind, kind);
    QFETCH(QString, language);
    auto *languages = m_app->launcher().control<QComboBox>("Combo1");
    languages->setCurrentIndex(rowOf(languages, language));
    QCOMPARE(m_app->launcher().languageText(), language);

    QWidget *window = openFromTile(kind);
    QVERIFY(window);

    // Every caption that the window's caption table does not name stays as designed.
    const CaptionTable &table = kind == Kind::Mms ? mmsCaptionTable() : smtpCaptionTable();
    const Texts designed = designedCaptions(kind);
    for (auto it = designed.cbegin(); it != designed.cend(); ++it) {
        if (!table.targets.contains(it.key()))
            QCOMPARE(textOf(window, it.key()), it.value());
    }
}

void TestEndToEnd::shouldShowTheTilesAsWhiteSquaresWithBlueNames()
{
    // The desktop's window background, the tiles' colour, is white in the default palette.
    const QColor white(255, 255, 255);
    const QColor blue(0, 0, 255);
    for (const char *name : {"Label5", "Label6"}) {
        const QImage tile = m_app->launcher().control(name)->grab().toImage();
        QCOMPARE(tile.pixelColor(tile.width() - 4, tile.height() - 4), white);
        bool named = false;
        for (int y = 0; y < tile.height() && !named; ++y) {
            for (int x = 0; x < tile.width() && !named; ++x)
                named = tile.pixelColor(x, y) == blue;
        }
        QVERIFY2(named, name);
    }
}

void TestEndToEnd::shouldTitleTheFolderBrowserInTheLaunchersLanguage_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("title");

    QTest::newRow("中文, as designed") << "中文"
                                       << "请选择软件安装路径：";
    QTest::newRow("Deutsch") << "Deutsch"
                             << "Ordner der Kamerakarte wählen";
    QTest::newRow("Lingua, none of its own") << "Lingua"
                                             << "Choose the camera card's folder";
}

void TestEndToEnd::shouldTitleTheFolderBrowserInTheLaunchersLanguage()
{
    QFETCH(QString, language);
    QFETCH(QString, title);
    auto *languages = m_app->launcher().control<QComboBox>("Combo1");
    languages->setCurrentIndex(rowOf(languages, language));
    QWidget *window = openFromTile(Kind::Smtp);
    QVERIFY(window);
    click(window, "Command4");
    QCOMPARE(m_dialogs.folderTitles, QStringList {title});
}

// --- a whole run ----------------------------------------------------------------------

void TestEndToEnd::shouldWriteTheFileOfARunThroughTheWindow_data()
{
    QTest::addColumn<RecordedRun>("run");
    for (const RecordedRun &run : recordedRuns())
        QTest::newRow(run.name) << run;
}

void TestEndToEnd::shouldWriteTheFileOfARunThroughTheWindow()
{
    QFETCH(RecordedRun, run);
    const Kind kind = run.smtp ? Kind::Smtp : Kind::Mms;

    QWidget *window = openFromTile(kind);
    QVERIFY(window);
    if (!run.earlier.isEmpty()) {
        pickWithMouse(box(window, "Combo3"), run.earlier.first());
        pickWithKeyboard(box(window, "Combo4"), run.earlier.last());
    }
    if (!run.country.isEmpty())
        pickWithMouse(box(window, "Combo3"), run.country);
    if (!run.operatorName.isEmpty())
        pickWithKeyboard(box(window, "Combo4"), run.operatorName);
    if (!run.manual.isEmpty()) {
        pickWithMouse(box(window, modeBoxOf(kind)), "Manual");
        for (const TypedValue &value : run.manual)
            typeInto(window, value.control, value.text);
        pickWithKeyboard(box(window, modeBoxOf(kind)), "Auto");
    }
    for (const TypedValue &value : run.typed)
        typeInto(window, value.control, value.text);
    if (!run.ssl.isEmpty())
        pickWithMouse(box(window, "Combo5"), run.ssl);
    if (QTest::currentTestFailed())
        return;

    chooseTemporaryFolder(window);
    QCOMPARE(textOf(window, pathFieldOf(kind)), QDir::toNativeSeparators(destination()));
    click(window, "Command2");

    QCOMPARE(m_dialogs.messages, (QList<FakeDialogs::Message> {{kApplicationTitle, kSuccess}}));
    QCOMPARE(m_dialogs.details, QStringList {QDir::toNativeSeparators(destination())});
    const QByteArray file = readFile(destination());
    QCOMPARE(plainLines(file), run.lines);
    QCOMPARE(file, storedFile(run.lines));
}

// --- Exit, reopening and the end of the run -------------------------------------------

void TestEndToEnd::shouldReopenFreshAndFindTheLauncherWhereItWasLeft_data()
{
    QTest::addColumn<Kind>("kind");
    QTest::addColumn<bool>("byExit"); // false: the desktop closes the window

    QTest::newRow("MMS, Exit") << Kind::Mms << true;
    QTest::newRow("SMTP, Exit") << Kind::Smtp << true;
    QTest::newRow("MMS, closed by the desktop") << Kind::Mms << false;
    QTest::newRow("SMTP, closed by the desktop") << Kind::Smtp << false;
}

void TestEndToEnd::shouldReopenFreshAndFindTheLauncherWhereItWasLeft()
{
    QFETCH(Kind, kind);
    QFETCH(bool, byExit);
    LauncherWindow &launcher = m_app->launcher();
    const QPoint start = launcher.pos();
    QTest::mousePress(&launcher, Qt::LeftButton, {}, QPoint(10, 10));
    QTest::mouseMove(&launcher, QPoint(47, 33));
    QTest::mouseRelease(&launcher, Qt::LeftButton, {}, QPoint(47, 33));
    const QPoint dragged = start + QPoint(37, 23);
    QCOMPARE(launcher.pos(), dragged);

    QPointer<QWidget> first = openFromTile(kind);
    QVERIFY(first);
    pickWithMouse(box(first, "Combo3"), "Canada");
    typeInto(first, "Text7", "5550001");
    if (kind == Kind::Smtp)
        pickWithMouse(box(first, "Combo5"), "NO");
    pickWithMouse(box(first, modeBoxOf(kind)), "Manual");
    typeInto(first, "Text1", "typed");
    first->move(0, 0);

    if (byExit)
        click(first, "Command3");
    else
        first->close();
    QVERIFY(launcher.isVisible());
    QCOMPARE(launcher.pos(), dragged);
    QCOMPARE(launcher.setupWindow(), nullptr);
    QTRY_VERIFY(!first);

    QWidget *again = openFromTile(kind);
    QVERIFY(again);
    QCOMPARE(textOf(again, modeBoxOf(kind)), QStringLiteral("Auto"));
    for (const QString &name : modeFieldsOf(kind)) {
        QWidget *field = child(again, name);
        QVERIFY2(field->isHidden() && !field->isEnabled(), qPrintable(name));
        QCOMPARE(textOf(again, name), QString());
    }
    QCOMPARE(textOf(again, "Combo3"), QString());
    QVERIFY(box(again, "Combo3")->isEnabled());
    QCOMPARE(textOf(again, "Combo4"), QString());
    QCOMPARE(items(box(again, "Combo4")), (QStringList {"China Mobile", "China Unicom"}));
    QCOMPARE(textOf(again, "Text7"), QString());
    QCOMPARE(textOf(again, pathFieldOf(kind)), QString());
    if (kind == Kind::Smtp)
        QCOMPARE(textOf(again, "Combo5"), QStringLiteral("YES"));
    // The captions are applied to the new window too.
    QCOMPARE(textOf(again, "Command1"), QStringLiteral("Read Cfg"));
    if (kind == Kind::Mms)
        QCOMPARE(textOf(again, "Label4"), QStringLiteral("Operator"));
    // A new window opens centred on the screen again.
    const QPoint offCentre
        = again->geometry().center() - again->screen()->availableGeometry().center();
    QVERIFY(offCentre.manhattanLength() <= 1);
}

void TestEndToEnd::shouldKeepTheSslValueForTheNextOpening()
{
    QWidget *window = openFromTile(Kind::Smtp);
    QVERIFY(window);
    QCOMPARE(textOf(window, "Combo5"), QStringLiteral("YES"));
    chooseTemporaryFolder(window);
    click(window, "Command2");
    click(window, "Command3");

    window = openFromTile(Kind::Smtp);
    QVERIFY(window);
    QComboBox *ssl = box(window, "Combo5");
    QTest::mouseClick(ssl->lineEdit(), Qt::LeftButton);
    QTest::keyClick(ssl->lineEdit(), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(ssl->lineEdit(), Qt::Key_Backspace);
    QCOMPARE(ssl->currentText(), QString());
    QFile::remove(destination());
    chooseTemporaryFolder(window);
    click(window, "Command2");

    // clang-format off
    const QStringList lines {"[SMTP]", "APN=", "Server=", "Port=", "Sender=", "Password=",
                             "Email1=", "Email2=", "Email3=", "Email4=", "Email5=",
                             "SSL=1", "Phone1=", "APNAccount=", "APNPassword="};
    // clang-format on
    const QByteArray file = readFile(destination());
    QCOMPARE(plainLines(file), lines);
    QCOMPARE(file, storedFile(lines));
    QCOMPARE(m_dialogs.messages.size(), 6); // two warnings and the success, twice
    QCOMPARE(m_dialogs.messages.last().text, kSuccess);
}

// Only a test e-mail loads libcurl, through the mail module: neither the launcher's first paint
// nor the SMTP window that offers the test.
void TestEndToEnd::shouldLoadNoMailLibraryForTheLauncherOrTheSmtpWindow()
{
    const QRegularExpression mail(QStringLiteral("^(libcurl|camera-setting-tool-mail)"));
    const QStringList loaded = loadedLibraries();
    QVERIFY2(!loaded.filter(QStringLiteral("qt6core")).isEmpty(), qPrintable(loaded.join(u' ')));
    QCOMPARE(loaded.filter(mail), QStringList());
    QVERIFY(openFromTile(Kind::Smtp));
    QCOMPARE(loadedLibraries().filter(mail), QStringList());
}

void TestEndToEnd::shouldEndTheRunOnEscAloneInASetupWindow_data()
{
    QTest::addColumn<Kind>("kind");
    QTest::addColumn<QString>("focus");

    QTest::newRow("MMS, phone field") << Kind::Mms << "Text7";
    QTest::newRow("MMS, country box") << Kind::Mms << "Combo3";
    QTest::newRow("SMTP, SSL box") << Kind::Smtp << "Combo5";
    QTest::newRow("SMTP, Generate button") << Kind::Smtp << "Command2";
}

void TestEndToEnd::shouldEndTheRunOnEscAloneInASetupWindow()
{
    QFETCH(Kind, kind);
    QFETCH(QString, focus);
    QWidget *window = openFromTile(kind);
    QVERIFY(window);
    QVERIFY(QTest::qWaitForWindowActive(window));
    QWidget *control = child(window, focus);
    control->setFocus();
    QSignalSpy end(&m_app->launcher(), &LauncherWindow::endRequested);

    QTest::keyClicks(control, "1a");
    QTest::keyClick(control, Qt::Key_Tab);
    QCOMPARE(end.count(), 0);
    QVERIFY(window->isVisible());

    QVERIFY(QApplication::focusWidget());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    QCOMPARE(end.count(), 1);
}

QTEST_MAIN(TestEndToEnd)
#include "tst_endtoend.moc"
