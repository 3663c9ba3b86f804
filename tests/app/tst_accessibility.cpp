#include "app/captions.h"
#include "app/launcherwindow.h"
#include "common/fakedialogs.h"
#include "common/qtwarnings.h"
#include "setup/mmswindow.h"
#include "setup/smtpwindow.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QComboBox>
#include <QLineEdit>
#include <QTest>

namespace {

// What a screen reader announces a control by. On Linux Qt names a box by its value, as GTK
// does, and gives its label through the "labelled by" relation.
QString heardAs(QWidget *control)
{
    QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(control);
    if (!accessible)
        return QStringLiteral("(no such control)");
    if (accessible->role() != QAccessible::ComboBox)
        return accessible->text(QAccessible::Name);
    const auto labels = accessible->relations(QAccessible::Label);
    return labels.isEmpty() ? QString() : labels.first().first->text(QAccessible::Name);
}

} // namespace

class TestAccessibility : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void shouldNameEveryFieldAndBoxByItsOwnLabel_data();
    void shouldNameEveryFieldAndBoxByItsOwnLabel();
    void shouldPresentTheTilesAsButtonsNamedByTheirCaptions();
};

void TestAccessibility::init()
{
    failOnQtWarnings();
}

void TestAccessibility::shouldNameEveryFieldAndBoxByItsOwnLabel_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("name");

    QTest::newRow("MMS phone") << "MMS"
                               << "Text7"
                               << "Phone 1";
    QTest::newRow("MMS country") << "MMS"
                                 << "Combo3"
                                 << "Country";
    QTest::newRow("MMS operator, English caption") << "MMS"
                                                   << "Combo4"
                                                   << "Operator";
    QTest::newRow("SMTP path") << "SMTP"
                               << "Text18"
                               << "Path";
    QTest::newRow("launcher language") << "launcher"
                                       << "Combo1"
                                       << "Language";
}

void TestAccessibility::shouldNameEveryFieldAndBoxByItsOwnLabel()
{
    QFETCH(QString, window);
    QFETCH(QString, control);
    QFETCH(QString, name);
    FakeDialogs dialogs;
    MmsSettings mmsKept;
    SmtpSettings smtpKept;
    std::unique_ptr<FramelessWindow> made;
    if (window == "MMS") {
        made = std::make_unique<MmsWindow>(mmsKept, dialogs);
        applyCaptions(made.get(), mmsCaptionTable(), "English");
    } else if (window == "SMTP") {
        made = std::make_unique<SmtpWindow>(smtpKept, dialogs);
    } else {
        made = std::make_unique<LauncherWindow>();
    }
    QCOMPARE(heardAs(made->control(control)), name);

    // Unlinked, Qt falls back on the panel's caption, which names the group.
    QList<QWidget *> controls;
    for (QComboBox *box : made->findChildren<QComboBox *>())
        controls.append(box);
    for (QLineEdit *field : made->findChildren<QLineEdit *>()) {
        if (!qobject_cast<QComboBox *>(field->parentWidget())) // not a box's own field
            controls.append(field);
    }
    for (QWidget *each : controls) {
        const QString heard = heardAs(each);
        QVERIFY2(!heard.isEmpty() && !heard.endsWith(" Setting"),
                 qPrintable(each->objectName() + " is heard as '" + heard + "'"));
    }
}

void TestAccessibility::shouldPresentTheTilesAsButtonsNamedByTheirCaptions()
{
    LauncherWindow launcher;
    int opened = 0;
    launcher.setMmsWindowFactory([&opened] {
        ++opened;
        return nullptr;
    });
    QAccessibleInterface *tile = QAccessible::queryAccessibleInterface(launcher.control("Label5"));
    QVERIFY(tile && tile->actionInterface());
    QCOMPARE(tile->role(), QAccessible::Button);
    QCOMPARE(tile->text(QAccessible::Name), "MMS Setting");

    tile->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QCOMPARE(opened, 1);
}

QTEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
