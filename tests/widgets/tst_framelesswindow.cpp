#include "common/qtwarnings.h"
#include "widgets/framelesswindow.h"

#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>

#include <algorithm>
#include <optional>

namespace {

// clang-format off
const WindowDesign &testWindow()
{
    static const WindowDesign design{
        "FormT", "Test window", QSize(6000, 4500), Colour::Highlight, {},
        {
            {"Label1",   ControlKind::Label,         {}, {1500, 1500, 1500, 330}, "Label"},
            {"Text1",    ControlKind::TextField,     {}, {1500, 2250, 3000, 465}},
            {"Combo1",   ControlKind::DropDownCombo, {}, {1500, 3000, 3000, 450}, {}, {"Auto", "Manual"}},
            {"Command1", ControlKind::Button,        {}, {1500, 3750, 1500, 495}, "Exit"},
        },
    };
    return design;
}
// clang-format on

constexpr QPoint kHome(100, 100);

// Where the widget stood when its native window was created.
class CreationSpy : public QObject
{
public:
    std::optional<QPoint> createdAt;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::WinIdChange && !createdAt)
            createdAt = static_cast<QWidget *>(watched)->pos();
        return false;
    }
};
constexpr QPoint kBackground(20, 20);

// The pixels of the widget drawn in exactly its palette's highlight colour: the focus frame's.
int highlightPixels(QWidget *widget)
{
    const QImage image = widget->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const auto *pixels = reinterpret_cast<const QRgb *>(image.constBits());
    return int(std::count(pixels, pixels + image.width() * image.height(),
                          widget->palette().color(QPalette::Active, QPalette::Highlight).rgb()));
}

} // namespace

class TestFramelessWindow : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void shouldBeBorderlessAndCentredOnlyWhenFirstShown();
    void shouldBeCreatedInItsCentredPlace();
    void shouldFollowThePointerWhileTheLeftButtonAloneIsHeld_data();
    void shouldFollowThePointerWhileTheLeftButtonAloneIsHeld();
    void shouldDragOnlyWithTheLeftButtonAloneFromTheLastPressOfAnyButton();
    void shouldDragFromTheOriginBeforeAnyPress();
    void shouldLeavePressesOverControlsToThem();
    void shouldRequestTheEndOnEscWhereverTheFocusIs_data();
    void shouldRequestTheEndOnEscWhereverTheFocusIs();
    void shouldPassOtherKeysToTheFocusedControl();
    void shouldPressAFocusedButtonWithEnterAsWithSpace_data();
    void shouldPressAFocusedButtonWithEnterAsWithSpace();
    void shouldLeaveEscInADialogToTheDialog();
    void shouldFrameAButtonOnlyWhileTheKeyboardGaveItTheFocus_data();
    void shouldFrameAButtonOnlyWhileTheKeyboardGaveItTheFocus();

private:
    std::unique_ptr<FramelessWindow> m_window;
};

void TestFramelessWindow::init()
{
    failOnQtWarnings();
    m_window = std::make_unique<FramelessWindow>(testWindow());
    m_window->show();
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
}

void TestFramelessWindow::cleanup()
{
    m_window.reset();
}

void TestFramelessWindow::shouldBeBorderlessAndCentredOnlyWhenFirstShown()
{
    QVERIFY(m_window->windowFlags().testFlag(Qt::FramelessWindowHint));
    QCOMPARE(m_window->windowType(), Qt::Tool); // kept out of the task bar
    const QPoint offCentre
        = m_window->geometry().center() - m_window->screen()->availableGeometry().center();
    QVERIFY(offCentre.manhattanLength() <= 1);

    m_window->move(10, 15);
    m_window->hide();
    m_window->show();
    QCOMPARE(m_window->pos(), QPoint(10, 15));
}

void TestFramelessWindow::shouldBeCreatedInItsCentredPlace()
{
    // A window moved after its native window exists is misplaced by X11 window managers.
    FramelessWindow window(testWindow());
    CreationSpy spy;
    window.installEventFilter(&spy);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QCOMPARE(spy.createdAt, std::optional<QPoint>(m_window->pos()));
}

void TestFramelessWindow::shouldFollowThePointerWhileTheLeftButtonAloneIsHeld_data()
{
    QTest::addColumn<QPoint>("start");
    QTest::addColumn<QPoint>("offset");

    QTest::newRow("right and down") << kHome << QPoint(30, 12);
    QTest::newRow("left and up, beyond the window") << kHome << QPoint(-25, -40);
    QTest::newRow("partly off the screen") << QPoint(5, 5) << QPoint(-60, -50);
}

void TestFramelessWindow::shouldFollowThePointerWhileTheLeftButtonAloneIsHeld()
{
    QFETCH(QPoint, start);
    QFETCH(QPoint, offset);
    m_window->move(start);
    const QSize size = m_window->size();

    QTest::mousePress(m_window.get(), Qt::LeftButton, {}, kBackground);
    QTest::mouseMove(m_window.get(), kBackground + offset);
    QTest::mouseRelease(m_window.get(), Qt::LeftButton, {}, kBackground);

    QCOMPARE(m_window->pos(), start + offset);
    QCOMPARE(m_window->size(), size);
}

void TestFramelessWindow::shouldDragOnlyWithTheLeftButtonAloneFromTheLastPressOfAnyButton()
{
    FramelessWindow *window = m_window.get();
    window->move(kHome);

    QTest::mousePress(window, Qt::RightButton, {}, QPoint(5, 5));
    QTest::mouseMove(window, QPoint(30, 30)); // right alone
    QTest::mouseRelease(window, Qt::RightButton, {}, QPoint(30, 30));
    QCOMPARE(window->pos(), kHome);

    QTest::mousePress(window, Qt::LeftButton, {}, QPoint(10, 10));
    QTest::mousePress(window, Qt::RightButton, {}, QPoint(40, 30)); // the anchor now
    QTest::mouseMove(window, QPoint(60, 60)); // left and right
    QCOMPARE(window->pos(), kHome);

    QTest::mouseRelease(window, Qt::RightButton, {}, QPoint(60, 60));
    QTest::mouseMove(window, QPoint(60, 45)); // left alone again
    QTest::mouseRelease(window, Qt::LeftButton, {}, QPoint(60, 45));
    QCOMPARE(window->pos(), kHome + QPoint(20, 15));
}

void TestFramelessWindow::shouldDragFromTheOriginBeforeAnyPress()
{
    m_window->move(kHome);
    // The left button came down outside the window; its first move uses the anchor (0, 0).
    const QPoint position(15, 25);
    QMouseEvent move(QEvent::MouseMove, position, m_window->mapToGlobal(position), Qt::NoButton,
                     Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(m_window.get(), &move);
    QCOMPARE(m_window->pos(), kHome + position);
}

void TestFramelessWindow::shouldLeavePressesOverControlsToThem()
{
    m_window->move(kHome);
    auto *label = m_window->control<QLabel>("Label1");

    // A label takes no presses of its own: they reach the window, which leaves them alone.
    QTest::mousePress(label, Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mouseMove(label, QPoint(25, 15));
    QTest::mouseRelease(label, Qt::LeftButton, {}, QPoint(25, 15));
    QCOMPARE(m_window->pos(), kHome);
    QCOMPARE(m_window->dragAnchor(), QPointF(0, 0));
}

void TestFramelessWindow::shouldRequestTheEndOnEscWhereverTheFocusIs_data()
{
    QTest::addColumn<QString>("focus");

    QTest::newRow("text field") << "Text1";
    QTest::newRow("combo box") << "Combo1";
    QTest::newRow("button") << "Command1";
    QTest::newRow("the window itself") << "FormT";
}

void TestFramelessWindow::shouldRequestTheEndOnEscWhereverTheFocusIs()
{
    QFETCH(QString, focus);
    QWidget *target = focus == "FormT" ? m_window.get() : m_window->control(focus);
    QSignalSpy quit(m_window.get(), &FramelessWindow::quitRequested);

    QTest::keyClick(target, Qt::Key_Escape);
    QCOMPARE(quit.count(), 1);
    QVERIFY(m_window->isVisible()); // ending the run is the application's business
}

void TestFramelessWindow::shouldPassOtherKeysToTheFocusedControl()
{
    auto *field = m_window->control<QLineEdit>("Text1");
    field->setFocus();
    QSignalSpy quit(m_window.get(), &FramelessWindow::quitRequested);

    QTest::keyClicks(field, "a1 =");
    QTest::keyClick(field, Qt::Key_Backspace);
    QCOMPARE(field->text(), "a1 ");
    QCOMPARE(quit.count(), 0);
}

void TestFramelessWindow::shouldPressAFocusedButtonWithEnterAsWithSpace_data()
{
    QTest::addColumn<int>("key");

    QTest::newRow("Enter") << int(Qt::Key_Return);
    QTest::newRow("keypad Enter") << int(Qt::Key_Enter);
    QTest::newRow("Space") << int(Qt::Key_Space);
}

void TestFramelessWindow::shouldPressAFocusedButtonWithEnterAsWithSpace()
{
    QFETCH(int, key);
    auto *button = m_window->control<QPushButton>("Command1");
    QVERIFY(button);
    button->setFocus();
    QSignalSpy clicked(button, &QAbstractButton::clicked);

    QTest::keyClick(button, Qt::Key(key));
    QCOMPARE(clicked.count(), 1);
}

void TestFramelessWindow::shouldLeaveEscInADialogToTheDialog()
{
    QSignalSpy quit(m_window.get(), &FramelessWindow::quitRequested);
    QDialog dialog(m_window.get());
    dialog.setModal(true);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));

    QTest::keyClick(&dialog, Qt::Key_Escape);
    QVERIFY(dialog.isHidden());
    QCOMPARE(quit.count(), 0);
}

void TestFramelessWindow::shouldFrameAButtonOnlyWhileTheKeyboardGaveItTheFocus_data()
{
    QTest::addColumn<bool>("byTab"); // else a click
    QTest::addColumn<int>("framePixels");

    // Two pixels wide, two inside the 100 x 33 button's edge: the band from 96 x 29 to 92 x 25.
    QTest::newRow("Tab") << true << 484;
    QTest::newRow("a click") << false << 0;
}

void TestFramelessWindow::shouldFrameAButtonOnlyWhileTheKeyboardGaveItTheFocus()
{
    QFETCH(bool, byTab);
    QFETCH(int, framePixels);
    auto *button = m_window->control<QPushButton>("Command1");
    QVERIFY(button);
    const int unfocused = highlightPixels(button); // the window's colour in its corners
    m_window->control("Combo1")->setFocus(); // before the button in the tab order
    if (byTab)
        QTest::keyClick(m_window->control("Combo1"), Qt::Key_Tab);
    else
        QTest::mouseClick(button, Qt::LeftButton);
    QVERIFY(button->hasFocus());
    QCOMPARE(highlightPixels(button) - unfocused, framePixels);
}

QTEST_MAIN(TestFramelessWindow)
#include "tst_framelesswindow.moc"
