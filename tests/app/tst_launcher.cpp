#include "app/appicon.h"
#include "app/launcherwindow.h"
#include "common/qtwarnings.h"
#include "common/windowtesting.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

namespace {

// clang-format off
// A stand-in for a setup window: two of its captioned controls.
const WindowDesign &stubWindow()
{
    static const WindowDesign design{
        "FormS", "Stub", QSize(6000, 4500), Colour::Highlight, {},
        {
            {"Label4",   ControlKind::Label,  {}, {240, 880, 1260, 330},  "Operators"},
            {"Command1", ControlKind::Button, {}, {1440, 3000, 1335, 615}, "Read", {}, Colour::Default, Colour::Default, {},
                         Enabled::Yes, Visibility::Hidden},
        },
    };
    return design;
}

const CaptionTable &stubCaptions()
{
    static const CaptionTable table{{"Label4", "Command1"}, {{"English", {"Operator", "Read Cfg"}}}};
    return table;
}
// clang-format on

// Counts the windows it makes and points at the last one.
struct StubFactory
{
    int made = 0;
    QPointer<FramelessWindow> last;

    LauncherWindow::WindowFactory factory()
    {
        return [this] {
            ++made;
            return (last = new FramelessWindow(stubWindow())).data();
        };
    }
};

} // namespace

class TestLauncher : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void shouldShowTheDesignedStateAfterLoad_data();
    void shouldShowTheDesignedStateAfterLoad();
    void shouldKeepEverySelectorEntryWhenItsListIsOpened_data();
    void shouldKeepEverySelectorEntryWhenItsListIsOpened();
    void shouldOpenATilesWindowInItsPlaceWithItsCaptions_data();
    void shouldOpenATilesWindowInItsPlaceWithItsCaptions();
    void shouldDoNothingForTheCameraTileOrAMissingWindow();
    void shouldOpenATileWithTheKeyboard_data();
    void shouldOpenATileWithTheKeyboard();
    void shouldComeBackWhereItWasWhenTheSetupWindowCloses();
    void shouldEndTheRunOnEscOrWhenClosedByTheDesktop_data();
    void shouldEndTheRunOnEscOrWhenClosedByTheDesktop();
    void shouldCarryTheApplicationIconWhereNoneIsInstalled();

private:
    void clickTile(const QString &name)
    {
        QTest::mouseClick(m_launcher->control(name), Qt::LeftButton, {}, QPoint(20, 20));
    }

    StubFactory m_mms;
    StubFactory m_smtp;
    std::unique_ptr<LauncherWindow> m_launcher;
};

void TestLauncher::init()
{
    failOnQtWarnings();
    m_mms = {};
    m_smtp = {};
    m_launcher = std::make_unique<LauncherWindow>();
    m_launcher->setMmsWindowFactory(m_mms.factory(), &stubCaptions);
}

void TestLauncher::cleanup()
{
    m_launcher.reset();
    // Every window a test opened has gone with it.
    QTRY_VERIFY(QApplication::topLevelWidgets().isEmpty());
}

void TestLauncher::shouldShowTheDesignedStateAfterLoad_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("enabled");

    QTest::newRow("brand") << "Label1"
                           << "Veltrane" << true;
    QTest::newRow("version") << "Label7"
                             << "Version 09.01.01" << true;
    QTest::newRow("language selector") << "Combo1"
                                       << "English" << false;
    QTest::newRow("model selector") << "Combo2"
                                    << "VX41x" << false;
    QTest::newRow("camera tile") << "Label4" << QString(95, ' ') + "Camera" << false;
    QTest::newRow("MMS tile") << "Label5" << QString(91, ' ') + "MMS Setting" << true;
    QTest::newRow("SMTP tile") << "Label6" << QString(90, ' ') + "SMTP Setting" << true;
}

void TestLauncher::shouldShowTheDesignedStateAfterLoad()
{
    QFETCH(QString, name);
    QFETCH(QString, text);
    QFETCH(bool, enabled);
    QWidget *control = m_launcher->control(name);
    QVERIFY2(control, qPrintable(name));

    auto *label = qobject_cast<QLabel *>(control);
    QCOMPARE(label ? label->text() : qobject_cast<QComboBox *>(control)->currentText(), text);
    QCOMPARE(control->isEnabled(), enabled);
}

void TestLauncher::shouldKeepEverySelectorEntryWhenItsListIsOpened_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QStringList>("entries");
    QTest::addColumn<int>("current");

    QTest::newRow("language list")
        << "Combo1"
        << QStringList {"中文",     "Cesky",  "Deutsch", "English",   "Espanol",   "Italiano",
                        "Francais", "Lingua", "Magyar",  "Portugues", "Slovensko", "Suomi"}
        << 3;
    QTest::newRow("model list") << "Combo2" << QStringList {"VX305", "VX297", "VX298"} << -1;
}

void TestLauncher::shouldKeepEverySelectorEntryWhenItsListIsOpened()
{
    QFETCH(QString, name);
    QFETCH(QStringList, entries);
    QFETCH(int, current);
    m_launcher->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_launcher.get()));
    auto *box = m_launcher->control<QComboBox>(name);
    QVERIFY2(box, qPrintable(name));

    box->showPopup();
    QCOMPARE(items(box), entries);
    QCOMPARE(box->currentIndex(), current);
    // The list's view holds every entry too, each measured when the view asks for it.
    QAbstractItemView *list = box->view();
    QCOMPARE(list->model()->rowCount(list->rootIndex()), entries.size());
    for (int row = 0; row < entries.size(); ++row) {
        const QModelIndex index = list->model()->index(row, box->modelColumn(), list->rootIndex());
        QCOMPARE(index.data().toString(), entries.at(row));
        QVERIFY2(list->sizeHintForIndex(index).width() > 0, qPrintable(entries.at(row)));
    }
    box->hidePopup();
}

void TestLauncher::shouldOpenATilesWindowInItsPlaceWithItsCaptions_data()
{
    QTest::addColumn<QString>("tile");
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("label4");
    QTest::addColumn<QString>("command1");

    QTest::newRow("MMS, English") << "Label5"
                                  << "English"
                                  << "Operator"
                                  << "Read Cfg";
    QTest::newRow("SMTP, English") << "Label6"
                                   << "English"
                                   << "Operator"
                                   << "Read Cfg";
    QTest::newRow("MMS, no such language") << "Label5"
                                           << "english"
                                           << "Operators"
                                           << "Read";
}

void TestLauncher::shouldOpenATilesWindowInItsPlaceWithItsCaptions()
{
    QFETCH(QString, tile);
    QFETCH(QString, language);
    QFETCH(QString, label4);
    QFETCH(QString, command1);
    m_launcher->setSmtpWindowFactory(m_smtp.factory(), &stubCaptions);
    m_launcher->control<QComboBox>("Combo1")->setEditText(language);
    m_launcher->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_launcher.get()));

    clickTile(tile);

    const StubFactory &opened = tile == "Label5" ? m_mms : m_smtp;
    QCOMPARE(m_mms.made + m_smtp.made, 1);
    QVERIFY(opened.last);
    QCOMPARE(m_launcher->setupWindow(), opened.last.data());
    QVERIFY(m_launcher->isHidden());
    QVERIFY(opened.last->isVisible());
    QCOMPARE(opened.last->control<QLabel>("Label4")->text(), label4);
    QCOMPARE(opened.last->control<QPushButton>("Command1")->text(), command1);
}

void TestLauncher::shouldDoNothingForTheCameraTileOrAMissingWindow()
{
    m_launcher->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_launcher.get()));

    clickTile("Label4");
    clickTile("Label6"); // no SMTP window given
    QCOMPARE(m_mms.made, 0);
    QVERIFY(m_launcher->isVisible());
}

void TestLauncher::shouldOpenATileWithTheKeyboard_data()
{
    QTest::addColumn<QList<int>>("keys");
    QTest::addColumn<int>("mmsOpened");
    QTest::addColumn<int>("smtpOpened");

    QTest::newRow("no tile has the focus at first") << QList<int> {Qt::Key_Return} << 0 << 0;
    QTest::newRow("Tab, Enter: the left tile")
        << QList<int> {Qt::Key_Tab, Qt::Key_Return} << 0 << 1;
    QTest::newRow("Tab, keypad Enter") << QList<int> {Qt::Key_Tab, Qt::Key_Enter} << 0 << 1;
    QTest::newRow("Tab twice, Space")
        << QList<int> {Qt::Key_Tab, Qt::Key_Tab, Qt::Key_Space} << 1 << 0;
    QTest::newRow("Tab thrice: round again")
        << QList<int> {Qt::Key_Tab, Qt::Key_Tab, Qt::Key_Tab, Qt::Key_Return} << 0 << 1;
}

void TestLauncher::shouldOpenATileWithTheKeyboard()
{
    QFETCH(QList<int>, keys);
    QFETCH(int, mmsOpened);
    QFETCH(int, smtpOpened);
    m_launcher->setSmtpWindowFactory(m_smtp.factory(), &stubCaptions);
    m_launcher->show();
    QVERIFY(QTest::qWaitForWindowActive(m_launcher.get()));

    for (int key : keys) {
        QWidget *focus = QApplication::focusWidget();
        QVERIFY(focus);
        QTest::keyClick(focus, Qt::Key(key));
    }
    QCOMPARE(m_mms.made, mmsOpened);
    QCOMPARE(m_smtp.made, smtpOpened);
}

void TestLauncher::shouldComeBackWhereItWasWhenTheSetupWindowCloses()
{
    m_launcher->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_launcher.get()));
    m_launcher->move(40, 30);
    m_launcher->control<QComboBox>("Combo1")->setEditText("Cesky");

    for (int opening = 1; opening <= 2; ++opening) {
        clickTile("Label5");
        QCOMPARE(m_mms.made, opening); // a fresh window each time
        QPointer<FramelessWindow> window = m_mms.last;
        window->close(); // its Exit, or the desktop

        QVERIFY(m_launcher->isVisible());
        QCOMPARE(m_launcher->pos(), QPoint(40, 30));
        QCOMPARE(m_launcher->languageText(), "Cesky");
        QTRY_VERIFY(!window); // it deletes itself
        QCOMPARE(m_launcher->setupWindow(), nullptr);
    }
}

void TestLauncher::shouldEndTheRunOnEscOrWhenClosedByTheDesktop_data()
{
    QTest::addColumn<QString>("how");

    QTest::newRow("Esc in the launcher") << "launcher Esc";
    QTest::newRow("Esc in the setup window") << "setup Esc";
    QTest::newRow("launcher closed by the desktop") << "launcher close";
}

void TestLauncher::shouldEndTheRunOnEscOrWhenClosedByTheDesktop()
{
    QFETCH(QString, how);
    m_launcher->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_launcher.get()));
    QSignalSpy end(m_launcher.get(), &LauncherWindow::endRequested);

    if (how == "launcher Esc") {
        QTest::keyClick(m_launcher.get(), Qt::Key_Escape);
    } else if (how == "setup Esc") {
        clickTile("Label5");
        QTest::keyClick(m_mms.last, Qt::Key_Escape);
    } else {
        m_launcher->close();
    }
    QCOMPARE(end.count(), 1);
}

void TestLauncher::shouldCarryTheApplicationIconWhereNoneIsInstalled()
{
    QIcon::setThemeSearchPaths({});
    const QIcon icon = applicationIcon();
    for (int size : {16, 32, 48, 64, 128, 256})
        QCOMPARE(icon.pixmap(QSize(size, size)).size(), QSize(size, size));
}

QTEST_MAIN(TestLauncher)
#include "tst_launcher.moc"
