// The selection steps against a fake set of window controls.

#include "carriers/carriers.h"
#include "common/fakecontrols.h"
#include "netcfg/fieldmap.h"

#include <QTest>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {
enum class Window { Mms, Smtp };

const CountryTable &tableOf(Window window)
{
    return window == Window::Mms ? mms::countryTable() : smtp::countryTable();
}

CarrierStep stepOf(Window window)
{
    return window == Window::Mms ? &mms::ChooseOperator : &smtp::ChooseOperator;
}

CarrierStep countryStepOf(Window window)
{
    return window == Window::Mms ? &mms::ChooseCountry : &smtp::ChooseCountry;
}

// What the window does when the user picks an entry of the country box.
void pickCountry(FakeControls &controls, Window window, const QString &country)
{
    controls.setText(u"Combo3"_s, country);
    countryStepOf(window)(controls);
}

// What the window does when the user picks an entry of the operator box.
void pickOperator(FakeControls &controls, Window window, const QString &operatorName)
{
    controls.setText(u"Combo4"_s, operatorName);
    stepOf(window)(controls);
}

// Fields a user may have typed before a pick.
void fillFields(FakeControls &controls)
{
    for (const QString &name :
         {u"Text1"_s, u"Text2"_s, u"Text3"_s, u"Text4"_s, u"Text5"_s, u"Text6"_s, u"Combo5"_s})
        controls.setText(name, u"typed "_s + name);
}
} // namespace

Q_DECLARE_METATYPE(Window)

class TestCarrierSelection : public QObject
{
    Q_OBJECT

private slots:
    void shouldWriteTheProfileFieldsInOrder_data();
    void shouldWriteTheProfileFieldsInOrder();
    void shouldRefillOperatorsAndApplyTheDefault_data();
    void shouldRefillOperatorsAndApplyTheDefault();
    void shouldRebuildOperatorsWhenTheSameCountryIsPickedAgain();
    void shouldKeepFieldsThatTheNextProfileDoesNotCarry();
    void shouldKeepTheSlovakMailServerWhenCzechRepublicIsPicked();
    void shouldApplyEachGermanOperatorOnceNoDefaultWasApplied();
    void shouldApplyNothingAfterTheCountryTextWasEmptied();
    void shouldChangeNothingForACountryMissingFromTheTable();
    void shouldRecogniseTheOneOperatorThatGivesTheValues_data();
    void shouldRecogniseTheOneOperatorThatGivesTheValues();
};

void TestCarrierSelection::shouldWriteTheProfileFieldsInOrder_data()
{
    QTest::addColumn<Window>("window");
    QTest::addColumn<QString>("country");
    QTest::addColumn<QString>("operatorName");
    QTest::addColumn<QStringList>("writes");

    // clang-format off
    QTest::newRow("MMS with credentials: password before account")
        << Window::Mms << u"Russia"_s << u"Beeline"_s
        << QStringList{u"Text1=mms.beeline.ru"_s, u"Text2=beeline"_s, u"Text3=beeline"_s,
                       u"Text4=http://mms/"_s, u"Text5=192.168.94.23"_s, u"Text6=8080"_s};
    QTest::newRow("MMS credentials that differ")
        << Window::Mms << u"Germany"_s << u"T-Mobile"_s
        << QStringList{u"Text1=internet.t-mobile"_s, u"Text2=tm"_s, u"Text3=t-mobile"_s,
                       u"Text4=http://mms.t-mobile.de/servlets/mms"_s, u"Text5=172.28.23.131"_s,
                       u"Text6=8008"_s};
    QTest::newRow("MMS without credentials")
        << Window::Mms << u"Russia"_s << u"TELE2"_s
        << QStringList{u"Text1=mms.tele2.ru"_s, u"Text4=http://mmsc.tele2.ru"_s,
                       u"Text5=193.12.40.65"_s, u"Text6=8080"_s};
    QTest::newRow("MMS empty credentials")
        << Window::Mms << u"Russia"_s << u"Megafon"_s
        << QStringList{u"Text1=mms"_s, u"Text2="_s, u"Text3="_s, u"Text4=http://mmsc:8002"_s,
                       u"Text5=10.10.10.10"_s, u"Text6=8080"_s};
    QTest::newRow("MMS all values empty")
        << Window::Mms << u"Russia"_s << u"YOTA"_s
        << QStringList{u"Text1="_s, u"Text4="_s, u"Text5="_s, u"Text6="_s};
    QTest::newRow("MMS accented operator")
        << Window::Mms << u"France"_s << u"SFR (forfait bloqué)"_s
        << QStringList{u"Text1=mmssfr"_s, u"Text4=http://mms1"_s, u"Text5=10.151.0.1"_s,
                       u"Text6=8080"_s};
    QTest::newRow("MMS listed operator without profile")
        << Window::Mms << u"Australia"_s << u"Three"_s << QStringList{};
    QTest::newRow("MMS initial operator, no country")
        << Window::Mms << QString() << u"China Mobile"_s << QStringList{};
    QTest::newRow("MMS typed single-profile country, any operator")
        << Window::Mms << u"Andorra"_s << u"T-Mobile"_s
        << QStringList{u"Text1=mms"_s, u"Text4=http://mms.ad/mmsc"_s, u"Text5=192.168.21.50"_s,
                       u"Text6=80"_s};
    QTest::newRow("MMS single-profile list country, other operator")
        << Window::Mms << u"Croatia"_s << QString()
        << QStringList{u"Text1=mms.vipnet.hr"_s, u"Text4=http://mms.vipnet.hr/servlets/mms"_s,
                       u"Text5=212.91.99.91"_s, u"Text6=80"_s};
    QTest::newRow("MMS typed country, operator of another country")
        << Window::Mms << u"Belgium"_s << u"Orange"_s << QStringList{};
    QTest::newRow("MMS typed country with a profile operator")
        << Window::Mms << u"Belgium"_s << u"Proximus"_s
        << QStringList{u"Text1=event.proximus.be"_s, u"Text4=http://mmsc.proximus.be/mms"_s,
                       u"Text5=10.55.14.75"_s, u"Text6=80"_s};
    QTest::newRow("MMS unknown country")
        << Window::Mms << u"Atlantis"_s << u"Orange"_s << QStringList{};
    QTest::newRow("MMS country differs in case")
        << Window::Mms << u"russia"_s << u"Beeline"_s << QStringList{};
    QTest::newRow("MMS operator differs in case")
        << Window::Mms << u"Russia"_s << u"beeline"_s << QStringList{};
    QTest::newRow("MMS country with trailing space")
        << Window::Mms << u"Croatia "_s << u"VIPNet"_s << QStringList{};
    QTest::newRow("SMTP credentials: account before password")
        << Window::Smtp << u"Canada"_s << u"Roger"_s
        << QStringList{u"Text1=internet.com"_s, u"Text2=wapuser1"_s, u"Text3=wap"_s};
    QTest::newRow("SMTP empty credentials")
        << Window::Smtp << u"Russia"_s << u"TELE2"_s
        << QStringList{u"Text1=internet.tele2.ru"_s, u"Text2="_s, u"Text3="_s};
    QTest::newRow("SMTP mail server")
        << Window::Smtp << u"Slovakia"_s << u"O2"_s
        << QStringList{u"Text1=o2internet"_s, u"Text4=smtp.o2.sk"_s, u"Text5=25"_s, u"Combo5=NO"_s};
    QTest::newRow("SMTP empty mail server")
        << Window::Smtp << u"Czech Republic"_s << u"Orange"_s
        << QStringList{u"Text1=internet"_s, u"Text4="_s, u"Text5="_s, u"Combo5="_s};
    QTest::newRow("SMTP Vodafone CZ uses the Orange row")
        << Window::Smtp << u"Czech Republic"_s << u"Vodafone"_s
        << QStringList{u"Text1=internet"_s, u"Text4="_s, u"Text5="_s, u"Combo5="_s};
    QTest::newRow("SMTP APN only")
        << Window::Smtp << u"China"_s << u"China Unicom"_s << QStringList{u"Text1=uniwap"_s};
    QTest::newRow("SMTP listed operator without profile")
        << Window::Smtp << u"Australia"_s << u"Three"_s << QStringList{};
    QTest::newRow("SMTP initial operator, no country")
        << Window::Smtp << QString() << u"China Unicom"_s << QStringList{};
    QTest::newRow("SMTP typed single-profile country")
        << Window::Smtp << u"Andorra"_s << u"Orange"_s << QStringList{u"Text1=internetand"_s};
    QTest::newRow("SMTP unknown country")
        << Window::Smtp << u"Atlantis"_s << u"Orange"_s << QStringList{};
    // clang-format on
}

void TestCarrierSelection::shouldWriteTheProfileFieldsInOrder()
{
    QFETCH(Window, window);
    QFETCH(QString, country);
    QFETCH(QString, operatorName);
    QFETCH(QStringList, writes);

    FakeControls controls;
    controls.setText(u"Combo3"_s, country);
    controls.setText(u"Combo4"_s, operatorName);
    controls.clearWrites();

    stepOf(window)(controls);
    QCOMPARE(controls.writes(), writes);
    // A second pick writes the same again.
    controls.clearWrites();
    stepOf(window)(controls);
    QCOMPARE(controls.writes(), writes);
}

void TestCarrierSelection::shouldRefillOperatorsAndApplyTheDefault_data()
{
    QTest::addColumn<Window>("window");
    QTest::addColumn<QString>("country");
    QTest::addColumn<QString>("shownOperator");
    QTest::addColumn<QString>("apn"); // empty: no profile applied, fields keep their text

    // clang-format off
    QTest::newRow("MMS Canada")     << Window::Mms  << u"Canada"_s   << u"Roger"_s    << u"rogers-core-appl1.apn"_s;
    QTest::newRow("SMTP Canada")    << Window::Smtp << u"Canada"_s   << u"Koodo"_s    << u"sp.koodo.com"_s;
    QTest::newRow("MMS Slovakia")   << Window::Mms  << u"Slovakia"_s << u"T-Mobile"_s << u"mms"_s;
    QTest::newRow("MMS Germany")    << Window::Mms  << u"Germany"_s  << QString()     << QString();
    QTest::newRow("SMTP Germany")   << Window::Smtp << u"Germany"_s  << u"T-Mobile"_s << u"internet.t-mobile"_s;
    QTest::newRow("MMS Russia")     << Window::Mms  << u"Russia"_s   << QString()     << QString();
    QTest::newRow("SMTP Russia")    << Window::Smtp << u"Russia"_s   << QString()     << QString();
    QTest::newRow("MMS Croatia")    << Window::Mms  << u"Croatia"_s  << u"VIPNet"_s   << u"mms.vipnet.hr"_s;
    QTest::newRow("SMTP Ireland")   << Window::Smtp << u"Ireland"_s  << u"Vodafone"_s << u"isp.vodafone.ie"_s;
    QTest::newRow("MMS Australia")  << Window::Mms  << u"Australia"_s << u"Optus"_s   << u"mms"_s;
    // clang-format on
}

void TestCarrierSelection::shouldRefillOperatorsAndApplyTheDefault()
{
    QFETCH(Window, window);
    QFETCH(QString, country);
    QFETCH(QString, shownOperator);
    QFETCH(QString, apn);

    FakeControls controls;
    fillFields(controls);
    controls.addItem(u"Combo4"_s, u"China Mobile"_s); // the box's initial items
    controls.addItem(u"Combo4"_s, u"China Unicom"_s);

    pickCountry(controls, window, country);
    const auto entry = std::find_if(tableOf(window).begin(), tableOf(window).end(),
                                    [&](const CountryEntry &e) { return e.name == country; });
    QVERIFY(entry != tableOf(window).end());
    QCOMPARE(controls.list(u"Combo4"_s), entry->operators);
    QCOMPARE(controls.text(u"Combo4"_s), shownOperator);
    QCOMPARE(controls.text(u"Text1"_s), apn.isEmpty() ? u"typed Text1"_s : apn);
}

void TestCarrierSelection::shouldRebuildOperatorsWhenTheSameCountryIsPickedAgain()
{
    FakeControls controls;
    pickCountry(controls, Window::Mms, u"Canada"_s);
    pickOperator(controls, Window::Mms, u"Bell"_s);
    QCOMPARE(controls.text(u"Text1"_s), u"pda.bell.ca"_s);

    pickCountry(controls, Window::Mms, u"Canada"_s);
    QCOMPARE(controls.list(u"Combo4"_s), mms::countryTable()[4].operators);
    QCOMPARE(controls.text(u"Combo4"_s), u"Roger"_s);
    QCOMPARE(controls.text(u"Text1"_s), u"rogers-core-appl1.apn"_s);

    pickCountry(controls, Window::Mms, u"China"_s);
    QCOMPARE(controls.list(u"Combo4"_s), (QStringList {u"China Mobile"_s, u"China Unicom"_s}));
}

void TestCarrierSelection::shouldKeepFieldsThatTheNextProfileDoesNotCarry()
{
    FakeControls controls;
    pickCountry(controls, Window::Mms, u"Australia"_s);
    const auto optus = controls.texts();
    pickOperator(controls, Window::Mms, u"Three"_s);
    controls.setText(u"Combo4"_s, u"Optus"_s); // the only difference a pick of Three leaves
    QCOMPARE(controls.texts(), optus);

    pickCountry(controls, Window::Mms, u"Russia"_s);
    pickOperator(controls, Window::Mms, u"Beeline"_s);
    pickOperator(controls, Window::Mms, u"TELE2"_s);
    QCOMPARE(controls.text(u"Text1"_s), u"mms.tele2.ru"_s);
    QCOMPARE(controls.text(u"Text2"_s), u"beeline"_s);
    QCOMPARE(controls.text(u"Text3"_s), u"beeline"_s);
}

void TestCarrierSelection::shouldKeepTheSlovakMailServerWhenCzechRepublicIsPicked()
{
    FakeControls controls;
    fillFields(controls);
    pickCountry(controls, Window::Smtp, u"Slovakia"_s);
    QCOMPARE(controls.text(u"Text1"_s), u"internet"_s);
    QCOMPARE(controls.text(u"Text5"_s), u"25"_s);
    QCOMPARE(controls.text(u"Combo5"_s), u"NO"_s);
    const auto slovak = controls.texts();

    pickCountry(controls, Window::Smtp, u"Czech Republic"_s);
    QCOMPARE(controls.text(u"Text1"_s), u"internet.t-mobile.cz"_s);
    for (const QString &name : {u"Text2"_s, u"Text3"_s, u"Text4"_s, u"Text5"_s, u"Combo5"_s})
        QCOMPARE(controls.text(name), slovak.value(name));
}

void TestCarrierSelection::shouldApplyEachGermanOperatorOnceNoDefaultWasApplied()
{
    FakeControls controls;
    pickCountry(controls, Window::Mms, u"Germany"_s);
    QVERIFY(controls.text(u"Text1"_s).isEmpty());

    QStringList apns;
    for (const QString &operatorName : controls.list(u"Combo4"_s)) {
        pickOperator(controls, Window::Mms, operatorName);
        apns.append(controls.text(u"Text1"_s) + u' ' + controls.text(u"Text6"_s));
    }
    QCOMPARE(apns,
             (QStringList {u"pinternet.interkom.de 8080"_s, u"internet 8080"_s,
                           u"internet.t-mobile 8008"_s, u"internet.t-mobile 8008"_s,
                           u"event.vodafone.de 80"_s}));
}

void TestCarrierSelection::shouldApplyNothingAfterTheCountryTextWasEmptied()
{
    FakeControls controls;
    pickCountry(controls, Window::Smtp, u"Sweden"_s);
    controls.setText(u"Combo3"_s, QString()); // Manual mode empties both boxes' texts
    controls.setText(u"Combo4"_s, QString());
    const auto before = controls.texts();

    pickOperator(controls, Window::Smtp, u"Telenor"_s);
    controls.setText(u"Combo4"_s, QString());
    QCOMPARE(controls.texts(), before);
}

void TestCarrierSelection::shouldChangeNothingForACountryMissingFromTheTable()
{
    FakeControls controls;
    controls.addItem(u"Combo4"_s, u"China Mobile"_s);
    controls.setText(u"Combo4"_s, u"China Mobile"_s);
    pickCountry(controls, Window::Mms, u"Andorra"_s); // has a profile, but is no list country
    QCOMPARE(controls.list(u"Combo4"_s), QStringList {u"China Mobile"_s});
    QCOMPARE(controls.text(u"Combo4"_s), u"China Mobile"_s);
    QVERIFY(controls.text(u"Text1"_s).isEmpty());
}

void TestCarrierSelection::shouldRecogniseTheOneOperatorThatGivesTheValues_data()
{
    QTest::addColumn<Window>("window");
    QTest::addColumn<QStringList>("connection"); // the values of connectionFields(), in order
    QTest::addColumn<QString>("recognised"); // "country/operator"; empty: none

    // MMS: APN, password, account, URL, IP, port. SMTP: APN, account, password.
    // clang-format off
    QTest::newRow("MMS with credentials") << Window::Mms
        << QStringList{u"mms.fido.ca"_s, u"fido"_s, u"fido"_s, u"http://mms.fido.ca"_s, u"205.151.11.13"_s, u"80"_s}
        << u"Canada/Fido"_s;
    QTest::newRow("MMS value the profile leaves empty") << Window::Mms
        << QStringList{u"rogers-core-appl1.apn"_s, {}, u"user"_s, u"http://mms.gprs.rogers.com"_s, u"10.128.1.69"_s, u"80"_s}
        << QString();
    QTest::newRow("MMS values of three operators (Finland)") << Window::Mms
        << QStringList{u"mms"_s, {}, {}, u"http://mms.elisa.fi"_s, u"213.161.41.57"_s, u"80"_s}
        << QString();
    QTest::newRow("SMTP with credentials") << Window::Smtp
        << QStringList{u"internet.com"_s, u"wapuser1"_s, u"wap"_s} << u"Canada/Roger"_s;
    // clang-format on
}

void TestCarrierSelection::shouldRecogniseTheOneOperatorThatGivesTheValues()
{
    QFETCH(Window, window);
    QFETCH(QStringList, connection);
    QFETCH(QString, recognised);

    // Recipients and the mail server play no part.
    MmsSettings mms;
    mms.Phone1 = u"555"_s;
    SmtpSettings smtp;
    smtp.Server = u"smtp.example.org"_s;
    const auto fill = [&](auto &settings, const auto &map) {
        for (const auto &field : map.fields) {
            if (const qsizetype at = connectionFields(map).indexOf(field.control); at >= 0)
                settings.*field.value = connection.value(at);
        }
    };
    window == Window::Mms ? fill(mms, mmsFieldMap()) : fill(smtp, smtpFieldMap());
    const std::optional<OperatorPick> pick
        = window == Window::Mms ? mms::recogniseOperator(mms) : smtp::recogniseOperator(smtp);
    QCOMPARE(pick ? pick->country + u'/' + pick->operatorName : QString(), recognised);
}

QTEST_GUILESS_MAIN(TestCarrierSelection)
#include "tst_carrierselection.moc"
