#include "common/qtwarnings.h"
#include "common/windowtesting.h"
#include "widgets/controlbuilder.h"
#include "widgets/wrappinglabel.h"

#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace {

// clang-format off
const WindowDesign &testWindow()
{
    static const WindowDesign design{
        "FormT", "Test window", QSize(6000, 4500), Colour::Highlight, {"Times New Roman", 14.25, true},
        {
            {"Frame1",   ControlKind::Panel,         {},       {150, 240, 5000, 2500}, "Settings", {}, Colour::Highlight, Colour::HighlightText},
            {"Label1",   ControlKind::Label,         "Frame1", {240, 440, 1845, 330},  "Mode", {}, Colour::Highlight, Colour::White},
            {"Combo1",   ControlKind::SimpleCombo,   "Frame1", {2280, 360, 1695, 450}, "English", {"Cesky", "Deutsch", "English"},
                         Colour::Default, Colour::Highlight, {}, Enabled::No},
            {"Combo2",   ControlKind::DropDownCombo, "Frame1", {2280, 900, 2500, 450}, {}, {"Auto", "Manual"}},
            {"Text1",    ControlKind::TextField,     "Frame1", {240, 1500, 2000, 465}, {}, {}, Colour::Default, Colour::Default, {},
                         Enabled::No, Visibility::Hidden},
            {"Frame2",   ControlKind::PlainPanel,    {},       {3000, 2800, 3000, 1600}, {}, {}, Colour::White},
            {"Label2",   ControlKind::WrappingLabel, "Frame2", {0, 0, 3015, 1575},     "   Tile", {}, Colour::Base, Colour::Blue},
            {"Command4", ControlKind::Button,        {},       {240, 2800, 975, 495},  "...", {}, Colour::Base, Colour::Default, {{}, 15.75, true}},
            {"Command1", ControlKind::Button,        {},       {240, 3400, 975, 495},  "Read", {}, Colour::Default, Colour::Default,
                         {"Arial", 0, false, true}},
            {"Picture1", ControlKind::Picture,       {},       {5200, 100, 735, 735}},
        },
    };
    return design;
}
// clang-format on

} // namespace

class TestControlBuilder : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void shouldPlaceEachControlInItsContainerAtItsPixelGeometry_data();
    void shouldPlaceEachControlInItsContainerAtItsPixelGeometry();
    void shouldGiveControlsTheirDesignedFonts();
    void shouldKeepAPanelsCaptionColourOutOfItsControls();
    void shouldShowTheDesignedComboTextAndSelectItOnlyWhenListed();
    void shouldKeepTypedComboTextAsTyped();
    void shouldMakeEachComboBoxAFieldStartingAtItsDesignedText_data();
    void shouldMakeEachComboBoxAFieldStartingAtItsDesignedText();
    void shouldKeepRoomForAButtonOnlyInADropDownCombo_data();
    void shouldKeepRoomForAButtonOnlyInADropDownCombo();
    void shouldNeverShowASimpleCombosList();
    void shouldWrapATileCaptionAtEverySpace_data();
    void shouldWrapATileCaptionAtEverySpace();

private:
    template<typename T = QWidget> T *control(const char *name)
    {
        return child<T>(m_window.get(), QLatin1String(name));
    }

    std::unique_ptr<QWidget> m_window;
};

void TestControlBuilder::init()
{
    failOnQtWarnings();
    m_window = std::make_unique<QWidget>();
    buildWindow(m_window.get(), testWindow());
}

void TestControlBuilder::cleanup()
{
    m_window.reset();
}

void TestControlBuilder::shouldPlaceEachControlInItsContainerAtItsPixelGeometry_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("className");
    QTest::addColumn<QString>("parentName");
    QTest::addColumn<QRect>("geometry");
    QTest::addColumn<bool>("enabled");
    QTest::addColumn<bool>("hidden");

    // Twips at 15 per pixel, rounded: 1695 -> 113, 3015 -> 201, 735 -> 49, 465 -> 31.
    QTest::newRow("window") << "FormT"
                            << "QWidget" << QString() << QRect(0, 0, 400, 300) << true << true;
    QTest::newRow("panel") << "Frame1"
                           << "QGroupBox"
                           << "FormT" << QRect(10, 16, 333, 167) << true << false;
    QTest::newRow("label in panel") << "Label1"
                                    << "QLabel"
                                    << "Frame1" << QRect(16, 29, 123, 22) << true << false;
    QTest::newRow("simple combo") << "Combo1"
                                  << "SimpleComboBox"
                                  << "Frame1" << QRect(152, 24, 113, 30) << false << false;
    QTest::newRow("drop-down combo") << "Combo2"
                                     << "QComboBox"
                                     << "Frame1" << QRect(152, 60, 167, 30) << true << false;
    QTest::newRow("hidden text field") << "Text1"
                                       << "QLineEdit"
                                       << "Frame1" << QRect(16, 100, 133, 31) << false << true;
    QTest::newRow("plain panel") << "Frame2"
                                 << "QFrame"
                                 << "FormT" << QRect(200, 187, 200, 107) << true << false;
    QTest::newRow("tile label") << "Label2"
                                << "WrappingLabel"
                                << "Frame2" << QRect(0, 0, 201, 105) << true << false;
    QTest::newRow("button") << "Command4"
                            << "QPushButton"
                            << "FormT" << QRect(16, 187, 65, 33) << true << false;
    QTest::newRow("picture") << "Picture1"
                             << "QLabel"
                             << "FormT" << QRect(347, 7, 49, 49) << true << false;
}

void TestControlBuilder::shouldPlaceEachControlInItsContainerAtItsPixelGeometry()
{
    QFETCH(QString, name);
    QFETCH(QString, className);
    QFETCH(QString, parentName);
    QFETCH(QRect, geometry);
    QFETCH(bool, enabled);
    QFETCH(bool, hidden);

    QWidget *widget = name == m_window->objectName() ? m_window.get() : control(qPrintable(name));
    QCOMPARE(widget->metaObject()->className(), className.toLatin1());
    QCOMPARE(widget->parentWidget() ? widget->parentWidget()->objectName() : QString(), parentName);
    QCOMPARE(widget->geometry().size(), geometry.size());
    if (widget != m_window.get())
        QCOMPARE(widget->geometry(), geometry);
    QCOMPARE(widget->isEnabled(), enabled);
    QCOMPARE(widget->isHidden(), hidden);
}

void TestControlBuilder::shouldGiveControlsTheirDesignedFonts()
{
    const QFont inherited = control("Label1")->font();
    QCOMPARE(inherited.family(), "Times New Roman");
    QCOMPARE(inherited.pointSizeF(), 14.25);
    QVERIFY(inherited.bold());

    // A size alone keeps the window's family; bold and italic are always the control's own.
    const QFont bigger = control("Command4")->font();
    QCOMPARE(bigger.family(), "Times New Roman");
    QCOMPARE(bigger.pointSizeF(), 15.75);
    QVERIFY(bigger.bold());

    const QFont family = control("Command1")->font();
    QCOMPARE(family.family(), "Arial");
    QCOMPARE(family.pointSizeF(), 14.25);
    QVERIFY(!family.bold());
    QVERIFY(family.italic());
}

void TestControlBuilder::shouldKeepAPanelsCaptionColourOutOfItsControls()
{
    const QPalette application = QApplication::palette();
    QCOMPARE(control("Frame1")->palette().color(QPalette::Text),
             application.color(QPalette::HighlightedText));
    QCOMPARE(control("Label1")->palette().color(QPalette::WindowText), QColor(Qt::white));
    // A text field with the system's colours inside that panel keeps the system's text colour.
    QCOMPARE(control("Text1")->palette().color(QPalette::Active, QPalette::Text),
             application.color(QPalette::Active, QPalette::Text));
    // Disabled controls are greyed as the style greys them.
    QCOMPARE(control("Combo1")->palette().color(QPalette::Disabled, QPalette::Text),
             application.color(QPalette::Disabled, QPalette::Text));
}

void TestControlBuilder::shouldShowTheDesignedComboTextAndSelectItOnlyWhenListed()
{
    auto *listed = control<QComboBox>("Combo1");
    QCOMPARE(listed->currentText(), "English");
    QCOMPARE(listed->currentIndex(), 2);

    auto *empty = control<QComboBox>("Combo2");
    QCOMPARE(empty->currentText(), QString());
    QCOMPARE(empty->currentIndex(), -1);
    QCOMPARE(empty->count(), 2);
}

void TestControlBuilder::shouldKeepTypedComboTextAsTyped()
{
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    auto *combo = control<QComboBox>("Combo2");
    combo->setFocus();

    QTest::keyClicks(combo, "m");
    QCOMPARE(combo->currentText(), "m"); // not completed to "Manual"
    QTest::keyClick(combo, Qt::Key_Return);
    QCOMPARE(combo->count(), 2); // nor added to the list
}

void TestControlBuilder::shouldMakeEachComboBoxAFieldStartingAtItsDesignedText_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QStringList>("entries");
    QTest::addColumn<QString>("text");

    QTest::newRow("simple combo") << "Combo1" << QStringList {"Cesky", "Deutsch", "English"}
                                  << "English";
    QTest::newRow("drop-down combo") << "Combo2" << QStringList {"Auto", "Manual"} << QString();
}

void TestControlBuilder::shouldMakeEachComboBoxAFieldStartingAtItsDesignedText()
{
    QFETCH(QString, name);
    QFETCH(QStringList, entries);
    QFETCH(QString, text);
    auto *combo = control<QComboBox>(qPrintable(name));

    QVERIFY(combo->isEditable());
    QLineEdit *field = combo->lineEdit();
    QVERIFY(field);
    QCOMPARE(field->text(), text);
    // The designed text is where the field starts: no earlier entry to undo back to.
    QVERIFY(!field->isUndoAvailable());
    QVERIFY(!field->isModified());
    QCOMPARE(combo->completer(), nullptr);
    QCOMPARE(combo->insertPolicy(), QComboBox::NoInsert);
    QCOMPARE(items(combo), entries);
}

void TestControlBuilder::shouldKeepRoomForAButtonOnlyInADropDownCombo_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("button");

    QTest::newRow("simple combo") << "Combo1" << false;
    QTest::newRow("drop-down combo") << "Combo2" << true;
}

void TestControlBuilder::shouldKeepRoomForAButtonOnlyInADropDownCombo()
{
    QFETCH(QString, name);
    QFETCH(bool, button);
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    auto *combo = control<QComboBox>(qPrintable(name));

    const QRect field = combo->lineEdit()->geometry();
    const int leftMargin = field.left();
    const int rightMargin = combo->width() - 1 - field.right();
    if (button)
        QVERIFY2(rightMargin > leftMargin,
                 qPrintable(QStringLiteral("%1 > %2").arg(rightMargin).arg(leftMargin)));
    else
        QCOMPARE(rightMargin, leftMargin);
}

void TestControlBuilder::shouldNeverShowASimpleCombosList()
{
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    control<QComboBox>("Combo1")->showPopup();
    QCOMPARE(QApplication::activePopupWidget(), nullptr);
}

void TestControlBuilder::shouldWrapATileCaptionAtEverySpace_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("lines");

    // Ten pixels per character: a line holds ten.
    QTest::newRow("words only") << "ab cd" << QStringList {"ab cd"};
    QTest::newRow("spaces fill a line")
        << QString(12, u' ') + "ab" << QStringList {QString(10, u' '), " ab"};
    QTest::newRow("the breaking space is not drawn")
        << QString(10, u' ') + " ab" << QStringList {QString(10, u' '), "ab"};
    QTest::newRow("a word that does not fit moves down")
        << QString(8, u' ') + "abcd" << QStringList {QString(8, u' '), "abcd"};
    QTest::newRow("a word wider than a line stays whole")
        << "abcdefghijkl" << QStringList {"abcdefghijkl"};
}

void TestControlBuilder::shouldWrapATileCaptionAtEverySpace()
{
    QFETCH(QString, text);
    QFETCH(QStringList, lines);
    // A monospaced font makes the widths exact; ten characters' width is the line.
    QFont font(QStringLiteral("Liberation Mono"));
    font.setStyleHint(QFont::Monospace);
    font.setPixelSize(16);
    const QFontMetricsF metrics(font);
    const qreal width = metrics.horizontalAdvance(QString(10, u'x'));

    QCOMPARE(WrappingLabel::wrapAtSpaces(text, metrics, width), lines);
}

QTEST_MAIN(TestControlBuilder)
#include "tst_controlbuilder.moc"
