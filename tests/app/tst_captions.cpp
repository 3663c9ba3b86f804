#include "app/captions.h"
#include "app/launcherwindow.h"

#include <QComboBox>
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
    void shouldCaptionEveryTargetFromTheExactLanguagesRowOnly_data();
    void shouldCaptionEveryTargetFromTheExactLanguagesRowOnly();
    void shouldHaveARowForEveryLanguageOfTheLauncher_data();
    void shouldHaveARowForEveryLanguageOfTheLauncher();
};

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
    QTest::newRow("SMTP") << false << 12;
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

QTEST_MAIN(TestCaptions)
#include "tst_captions.moc"
