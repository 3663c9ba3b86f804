#include "app/captions.h"
#include "app/launcherwindow.h"
#include "common/qtwarnings.h"
#include "setup/mmswindow.h"
#include "setup/smtpwindow.h"
#include "widgets/wrappinglabel.h"

#include <QComboBox>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QTest>

using Captions = QMap<QString, QString>;

namespace {

const QString kDesigned = QStringLiteral("designed");

// A window with a label or button for every target of the table, and one that no table names.
void populate(QWidget *window, const CaptionTable &table)
{
    for (const QString &name : table.targets + QStringList {"Label5"}) {
        QWidget *control = name.startsWith("Command")
            ? static_cast<QWidget *>(new QPushButton(kDesigned, window))
            : new QLabel(kDesigned, window);
        control->setObjectName(name);
    }
}

Captions captionsOf(const QWidget &window)
{
    Captions captions;
    for (auto *label : window.findChildren<QLabel *>())
        captions.insert(label->objectName(), label->text());
    for (auto *button : window.findChildren<QPushButton *>())
        captions.insert(button->objectName(), button->text());
    return captions;
}

} // namespace

class TestCaptions : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void shouldCaptionEveryTargetFromTheExactLanguagesRowOnly_data();
    void shouldCaptionEveryTargetFromTheExactLanguagesRowOnly();
    void shouldHaveARowForEveryLanguageOfTheLauncher_data();
    void shouldHaveARowForEveryLanguageOfTheLauncher();
    void shouldShowEveryEnglishCaptionWhole_data();
    void shouldShowEveryEnglishCaptionWhole();
    void shouldNameOnlyControlsOfTheirWindow_data();
    void shouldNameOnlyControlsOfTheirWindow();
};

void TestCaptions::init()
{
    failOnQtWarnings();
}

void TestCaptions::shouldCaptionEveryTargetFromTheExactLanguagesRowOnly_data()
{
    QTest::addColumn<bool>("mms");
    QTest::addColumn<QString>("language");
    QTest::addColumn<Captions>("some"); // a sample of the row; empty: nothing changes

    QTest::newRow("MMS English") << true << "English"
                                 << Captions {{"Label4", "Operator"},
                                              {"Label12", "Phone 1"},
                                              {"Label21", "Email 5"},
                                              {"Command1", "Read Cfg"}};
    QTest::newRow("MMS english") << true << "english" << Captions {};
    QTest::newRow("MMS English with a space") << true << "English " << Captions {};
    QTest::newRow("MMS Cesky") << true << "Cesky"
                               << Captions {{"Label12", "Tel.cislo"},
                                            {"Label16", "Tel.cislo"},
                                            {"Label17", "Email"},
                                            {"Label21", "Email"}};
    QTest::newRow("MMS Magyar") << true << "Magyar"
                                << Captions {{"Label3", "Country"},
                                             {"Label4", "Oper\u00e1torok"},
                                             {"Command2", "Gener\u00e1l\u00e1sa"}};
    QTest::newRow("MMS Chinese") << true << "中文"
                                 << Captions {{"Label4", "运营商"}, {"Label14", "手机号 3"}};
    QTest::newRow("SMTP English") << false << "English"
                                  << Captions {{"Label9", "Port"}, {"Command1", "Read Cfg"}};
    QTest::newRow("SMTP Cesky") << false << "Cesky"
                                << Captions {{"Label10", "K odeslanl"}, {"Label17", "Email 1"}};
}

void TestCaptions::shouldCaptionEveryTargetFromTheExactLanguagesRowOnly()
{
    QFETCH(bool, mms);
    QFETCH(QString, language);
    QFETCH(Captions, some);
    const CaptionTable &table = mms ? mmsCaptionTable() : smtpCaptionTable();
    QWidget window;
    populate(&window, table);

    applyCaptions(&window, table, language);

    const Captions captions = captionsOf(window);
    for (auto it = some.cbegin(); it != some.cend(); ++it)
        QCOMPARE(captions.value(it.key()), it.value());
    QCOMPARE(captions.value("Label5"), kDesigned);
    // A matching row captions every target; no match leaves every one as designed.
    QCOMPARE(captions.values().count(kDesigned), some.isEmpty() ? captions.size() : 1);
}

void TestCaptions::shouldHaveARowForEveryLanguageOfTheLauncher_data()
{
    QTest::addColumn<bool>("mms");
    QTest::addColumn<int>("targets");

    QTest::newRow("MMS") << true << 18;
    QTest::newRow("SMTP") << false << 13;
}

void TestCaptions::shouldHaveARowForEveryLanguageOfTheLauncher()
{
    QFETCH(bool, mms);
    QFETCH(int, targets);
    const CaptionTable &table = mms ? mmsCaptionTable() : smtpCaptionTable();
    QCOMPARE(table.targets.size(), targets);
    QStringList unique = table.targets;
    QCOMPARE(unique.removeDuplicates(), 0);

    QStringList rowLanguages;
    for (const CaptionRow &row : table.rows) {
        rowLanguages << row.language;
        QVERIFY2(row.captions.size() == table.targets.size(), qPrintable(row.language));
    }
    LauncherWindow launcher;
    auto *languages = launcher.control<QComboBox>("Combo1");
    QStringList selectorLanguages;
    for (int i = 0; i < languages->count(); ++i)
        selectorLanguages << languages->itemText(i);
    QCOMPARE(rowLanguages, selectorLanguages);
}

void TestCaptions::shouldShowEveryEnglishCaptionWhole_data()
{
    QTest::addColumn<QString>("window");

    QTest::newRow("launcher") << "launcher";
    QTest::newRow("MMS") << "MMS";
    QTest::newRow("SMTP") << "SMTP";
}

void TestCaptions::shouldShowEveryEnglishCaptionWhole()
{
#ifdef Q_OS_WIN
    // Under Wine the offscreen platform measures Liberation, hinted to whole pixels by FreeType,
    // which draws these captions 1 or 2 pixels wider than Linux does; Windows' own platform
    // measures its own fonts.
    if (QGuiApplication::platformName() == u"offscreen")
        QSKIP("the offscreen platform of Windows measures other fonts than Windows draws");
#endif
    QFETCH(QString, window);
    MmsSettings mmsKept;
    SmtpSettings smtpKept;
    std::unique_ptr<QWidget> made;
    if (window == "launcher") {
        made = std::make_unique<LauncherWindow>();
    } else if (window == "MMS") {
        made = std::make_unique<MmsWindow>(mmsKept);
        applyCaptions(made.get(), mmsCaptionTable(), "English");
    } else {
        made = std::make_unique<SmtpWindow>(smtpKept);
        applyCaptions(made.get(), smtpCaptionTable(), "English");
    }

    QStringList clipped;
    for (const QLabel *label : made->findChildren<QLabel *>()) {
        if (label->text().isEmpty() || qobject_cast<const WrappingLabel *>(label))
            continue; // the logo, and the tiles, whose captions wrap
        // Drawn from the top left corner, the baseline one ascent down.
        const QFontMetricsF metrics(label->font());
        const QRectF ink = metrics.tightBoundingRect(label->text());
        const qreal width = ink.right(), height = metrics.ascent() + ink.bottom();
        if (width > label->width() || height > label->height())
            clipped.append(QStringLiteral("%1 \"%2\"").arg(label->objectName(), label->text()));
    }
    QVERIFY2(clipped.isEmpty(), qPrintable(clipped.join(QStringLiteral("; "))));
}

// Every name that a table spells (a tab order, a label's field, a field map, a caption table)
// is a control of its window, so that a typo fails here rather than going unnoticed.
void TestCaptions::shouldNameOnlyControlsOfTheirWindow_data()
{
    QTest::addColumn<QString>("window");
    QTest::newRow("launcher") << "launcher";
    QTest::newRow("MMS") << "MMS";
    QTest::newRow("SMTP") << "SMTP";
}

void TestCaptions::shouldNameOnlyControlsOfTheirWindow()
{
    QFETCH(QString, window);
    MmsSettings mmsKept;
    SmtpSettings smtpKept;
    std::unique_ptr<FramelessWindow> made;
    QStringList names;
    const auto addFields = [&names](const auto &map) {
        names += QStringList {map.pathField, map.modeBox, map.countryBox, map.operatorBox};
        for (const auto &field : map.fields)
            names.append(field.control);
    };
    if (window == "launcher") {
        made = std::make_unique<LauncherWindow>();
    } else if (window == "MMS") {
        made = std::make_unique<MmsWindow>(mmsKept);
        addFields(fieldMap<MmsSettings>());
        names += mmsCaptionTable().targets;
    } else {
        made = std::make_unique<SmtpWindow>(smtpKept);
        addFields(fieldMap<SmtpSettings>());
        names += smtpCaptionTable().targets;
    }
    const WindowDesign &design = window == "launcher" ? launcherWindowDesign()
        : window == "MMS"                             ? mmsWindowDesign()
                                                      : smtpWindowDesign();
    names += design.tabOrder;
    for (const LabelFor &pair : design.labels)
        names += QStringList {pair.label, pair.control};

    QStringList unknown;
    for (const QString &name : std::as_const(names)) {
        if (!made->control(name))
            unknown.append(name);
    }
    QVERIFY2(unknown.isEmpty(), qPrintable(unknown.join(u' ')));
}

QTEST_MAIN(TestCaptions)
#include "tst_captions.moc"
