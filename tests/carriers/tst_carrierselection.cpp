// The selection steps on a setup.

#include "carriers/carriers.h"
#include "netcfg/netcfg.h"

#include <QTest>

using namespace Qt::StringLiterals;

namespace {
enum class Window { Mms, Smtp };

// The connection keys of a setup (and the SMTP mail server) as "key=value", those holding
// unchanged the value they were given left out.
template<typename Settings> QStringList changed(const Settings &settings, const QString &given)
{
    QStringList lines;
    for (const SectionKey<Settings> &key : Section<Settings>::keys) {
        if (key.filled != Filled::ByUser && key.fileValue(settings) != given)
            lines.append(key.key() + u'=' + key.fileValue(settings));
    }
    return lines;
}

// Every key that a profile may fill holds what a user may have typed before a pick.
template<typename Settings> SetupModel<Settings> typedSetup()
{
    SetupModel<Settings> setup;
    for (const SectionKey<Settings> &key : Section<Settings>::keys) {
        if (key.filled != Filled::ByUser)
            key.setFileValue(setup.settings, u"typed"_s);
    }
    return setup;
}

// What a pick in the operator box changes, picked twice.
template<typename Settings>
QStringList operatorPicked(const QString &country, const QString &operatorName)
{
    SetupModel<Settings> setup = typedSetup<Settings>();
    setup.country = country;
    setup.operatorName = operatorName;
    ChooseOperator(setup);
    const QStringList once = changed(setup.settings, u"typed"_s);
    ChooseOperator(setup);
    return changed(setup.settings, u"typed"_s) == once ? once : QStringList {u"differs"_s};
}

template<typename Settings>
const CountryEntry &countryOf(const SetupModel<Settings> &, const QString &name)
{
    for (const CountryEntry &entry : countryTable<Settings>()) {
        if (entry.name == name)
            return entry;
    }
    static const CountryEntry none;
    QTest::qFail(qPrintable(u"no country "_s + name), __FILE__, __LINE__);
    return none;
}

// A pick in the country box, then optionally in the operator box, on a setup.
template<typename Settings>
void pick(SetupModel<Settings> &setup, const QString &country, const QString &operatorName = {})
{
    setup.country = country;
    ChooseCountry(setup);
    if (!operatorName.isEmpty()) {
        setup.operatorName = operatorName;
        ChooseOperator(setup);
    }
}
} // namespace

Q_DECLARE_METATYPE(Window)

class TestCarrierSelection : public QObject
{
    Q_OBJECT

private slots:
    void shouldFillTheKeysTheProfileCarries_data();
    void shouldFillTheKeysTheProfileCarries();
    void shouldRefillOperatorsAndApplyTheDefault_data();
    void shouldRefillOperatorsAndApplyTheDefault();
    void shouldRebuildOperatorsWhenTheSameCountryIsPickedAgain();
    void shouldKeepTheSlovakMailServerWhenCzechRepublicIsPicked();
    void shouldApplyEachGermanOperatorOnceNoDefaultWasApplied();
    void shouldApplyNothingAfterTheCountryTextWasEmptied();
    void shouldChangeNothingForACountryMissingFromTheTable();
    void shouldRecogniseTheOneOperatorThatGivesTheValues_data();
    void shouldRecogniseTheOneOperatorThatGivesTheValues();
};

void TestCarrierSelection::shouldFillTheKeysTheProfileCarries_data()
{
    QTest::addColumn<Window>("window");
    QTest::addColumn<QString>("country");
    QTest::addColumn<QString>("operatorName");
    QTest::addColumn<QStringList>("filled"); // in the section's order

    // What an Auto pick empties where the profile carries nothing for the key: the hidden
    // connection keys that held a typed value.
    const QStringList noCredentials {u"APNAccount="_s, u"APNPassword="_s};
    const QStringList noMms
        = QStringList {u"URL="_s, u"APN="_s, u"IP="_s, u"Port="_s} + noCredentials;
    const QStringList noSmtp = QStringList {u"APN="_s} + noCredentials;
    // clang-format off
    QTest::newRow("MMS with credentials")
        << Window::Mms << u"Russia"_s << u"Beeline"_s
        << QStringList{u"URL=http://mms/"_s, u"APN=mms.beeline.ru"_s, u"IP=192.168.94.23"_s, u"Port=8080"_s, u"APNAccount=beeline"_s, u"APNPassword=beeline"_s};
    QTest::newRow("MMS credentials that differ")
        << Window::Mms << u"Germany"_s << u"T-Mobile"_s
        << QStringList{u"URL=http://mms.t-mobile.de/servlets/mms"_s, u"APN=internet.t-mobile"_s, u"IP=172.28.23.131"_s, u"Port=8008"_s, u"APNAccount=t-mobile"_s, u"APNPassword=tm"_s};
    QTest::newRow("MMS without credentials")
        << Window::Mms << u"Russia"_s << u"TELE2"_s
        << QStringList{u"URL=http://mmsc.tele2.ru"_s, u"APN=mms.tele2.ru"_s, u"IP=193.12.40.65"_s, u"Port=8080"_s} + noCredentials;
    QTest::newRow("MMS empty credentials")
        << Window::Mms << u"Russia"_s << u"Megafon"_s
        << QStringList{u"URL=http://mmsc:8002"_s, u"APN=mms"_s, u"IP=10.10.10.10"_s, u"Port=8080"_s, u"APNAccount="_s, u"APNPassword="_s};
    QTest::newRow("MMS all values empty")
        << Window::Mms << u"Russia"_s << u"YOTA"_s
        << noMms;
    QTest::newRow("MMS accented operator")
        << Window::Mms << u"France"_s << u"SFR (forfait bloqué)"_s
        << QStringList{u"URL=http://mms1"_s, u"APN=mmssfr"_s, u"IP=10.151.0.1"_s, u"Port=8080"_s} + noCredentials;
    QTest::newRow("MMS listed operator without profile")
        << Window::Mms << u"Australia"_s << u"Three"_s
        << noMms;
    QTest::newRow("MMS initial operator, no country")
        << Window::Mms << QString() << u"China Mobile"_s
        << noMms;
    QTest::newRow("MMS typed single-profile country, any operator")
        << Window::Mms << u"Andorra"_s << u"T-Mobile"_s
        << QStringList{u"URL=http://mms.ad/mmsc"_s, u"APN=mms"_s, u"IP=192.168.21.50"_s, u"Port=80"_s} + noCredentials;
    QTest::newRow("MMS single-profile list country, other operator")
        << Window::Mms << u"Croatia"_s << QString()
        << QStringList{u"URL=http://mms.vipnet.hr/servlets/mms"_s, u"APN=mms.vipnet.hr"_s, u"IP=212.91.99.91"_s, u"Port=80"_s} + noCredentials;
    QTest::newRow("MMS typed country, operator of another country")
        << Window::Mms << u"Belgium"_s << u"Orange"_s
        << noMms;
    QTest::newRow("MMS typed country with a profile operator")
        << Window::Mms << u"Belgium"_s << u"Proximus"_s
        << QStringList{u"URL=http://mmsc.proximus.be/mms"_s, u"APN=event.proximus.be"_s, u"IP=10.55.14.75"_s, u"Port=80"_s} + noCredentials;
    QTest::newRow("MMS unknown country")
        << Window::Mms << u"Atlantis"_s << u"Orange"_s
        << noMms;
    QTest::newRow("MMS country differs in case")
        << Window::Mms << u"russia"_s << u"Beeline"_s
        << noMms;
    QTest::newRow("MMS operator differs in case")
        << Window::Mms << u"Russia"_s << u"beeline"_s
        << noMms;
    QTest::newRow("MMS country with trailing space")
        << Window::Mms << u"Croatia "_s << u"VIPNet"_s
        << noMms;
    QTest::newRow("SMTP credentials")
        << Window::Smtp << u"Canada"_s << u"Roger"_s
        << QStringList{u"APN=internet.com"_s, u"APNAccount=wapuser1"_s, u"APNPassword=wap"_s};
    QTest::newRow("SMTP empty credentials")
        << Window::Smtp << u"Russia"_s << u"TELE2"_s
        << QStringList{u"APN=internet.tele2.ru"_s, u"APNAccount="_s, u"APNPassword="_s};
    QTest::newRow("SMTP mail server")
        << Window::Smtp << u"Slovakia"_s << u"O2"_s
        << QStringList{u"APN=o2internet"_s, u"Server=smtp.o2.sk"_s, u"Port=25"_s, u"SSL=0"_s} + noCredentials;
    QTest::newRow("SMTP empty mail server")
        << Window::Smtp << u"Czech Republic"_s << u"Orange"_s
        << QStringList{u"APN=internet"_s, u"Server="_s, u"Port="_s, u"SSL="_s} + noCredentials;
    QTest::newRow("SMTP Vodafone CZ uses the Orange row")
        << Window::Smtp << u"Czech Republic"_s << u"Vodafone"_s
        << QStringList{u"APN=internet"_s, u"Server="_s, u"Port="_s, u"SSL="_s} + noCredentials;
    QTest::newRow("SMTP APN only")
        << Window::Smtp << u"China"_s << u"China Unicom"_s
        << QStringList{u"APN=uniwap"_s} + noCredentials;
    QTest::newRow("SMTP listed operator without profile")
        << Window::Smtp << u"Australia"_s << u"Three"_s
        << noSmtp;
    QTest::newRow("SMTP initial operator, no country")
        << Window::Smtp << QString() << u"China Unicom"_s
        << noSmtp;
    QTest::newRow("SMTP typed single-profile country")
        << Window::Smtp << u"Andorra"_s << u"Orange"_s
        << QStringList{u"APN=internetand"_s} + noCredentials;
    QTest::newRow("SMTP unknown country")
        << Window::Smtp << u"Atlantis"_s << u"Orange"_s
        << noSmtp;
    // clang-format on
}

void TestCarrierSelection::shouldFillTheKeysTheProfileCarries()
{
    QFETCH(Window, window);
    QFETCH(QString, country);
    QFETCH(QString, operatorName);
    QFETCH(QStringList, filled);
    QCOMPARE(window == Window::Mms ? operatorPicked<MmsSettings>(country, operatorName)
                                   : operatorPicked<SmtpSettings>(country, operatorName),
             filled);
}

void TestCarrierSelection::shouldRefillOperatorsAndApplyTheDefault_data()
{
    QTest::addColumn<Window>("window");
    QTest::addColumn<QString>("country");
    QTest::addColumn<QString>("shownOperator");
    QTest::addColumn<QString>("apn"); // empty: no profile applied, the hidden APN emptied

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

    const auto check = [&](auto setup) {
        setup.settings.APN = u"typed"_s;
        setup.operators = QStringList {u"China Mobile"_s, u"China Unicom"_s}; // as designed
        pick(setup, country);
        QCOMPARE(setup.operators, countryOf(setup, country).operators);
        QCOMPARE(setup.operatorName, shownOperator);
        QCOMPARE(setup.settings.APN, apn);
    };
    window == Window::Mms ? check(SetupModel<MmsSettings>()) : check(SetupModel<SmtpSettings>());
}

void TestCarrierSelection::shouldRebuildOperatorsWhenTheSameCountryIsPickedAgain()
{
    SetupModel<MmsSettings> setup;
    pick(setup, u"Canada"_s, u"Bell"_s);
    QCOMPARE(setup.settings.APN, u"pda.bell.ca"_s);

    pick(setup, u"Canada"_s);
    QCOMPARE(setup.operators.size(), 5);
    QCOMPARE(setup.operatorName, u"Roger"_s);
    QCOMPARE(setup.settings.APN, u"rogers-core-appl1.apn"_s);

    pick(setup, u"China"_s);
    QCOMPARE(setup.operators, (QStringList {u"China Mobile"_s, u"China Unicom"_s}));
}

void TestCarrierSelection::shouldKeepTheSlovakMailServerWhenCzechRepublicIsPicked()
{
    SetupModel<SmtpSettings> setup = typedSetup<SmtpSettings>();
    pick(setup, u"Slovakia"_s);
    QCOMPARE(changed(setup.settings, u"typed"_s),
             (QStringList {u"APN=internet"_s, u"Server=smtp.t-com.sk"_s, u"Port=25"_s, u"SSL=0"_s,
                           u"APNAccount="_s, u"APNPassword="_s}));
    pick(setup, u"Czech Republic"_s);
    QCOMPARE(changed(setup.settings, u"typed"_s),
             (QStringList {u"APN=internet.t-mobile.cz"_s, u"Server=smtp.t-com.sk"_s, u"Port=25"_s,
                           u"SSL=0"_s, u"APNAccount="_s, u"APNPassword="_s}));
}

void TestCarrierSelection::shouldApplyEachGermanOperatorOnceNoDefaultWasApplied()
{
    SetupModel<MmsSettings> setup;
    pick(setup, u"Germany"_s);
    QVERIFY(setup.settings.APN.isEmpty());

    QStringList apns;
    for (const QString &operatorName : QStringList(setup.operators)) {
        pick(setup, u"Germany"_s, operatorName);
        apns.append(setup.settings.APN + u' ' + setup.settings.Port);
    }
    QCOMPARE(apns,
             (QStringList {u"pinternet.interkom.de 8080"_s, u"internet 8080"_s,
                           u"internet.t-mobile 8008"_s, u"internet.t-mobile 8008"_s,
                           u"event.vodafone.de 80"_s}));
}

void TestCarrierSelection::shouldApplyNothingAfterTheCountryTextWasEmptied()
{
    SetupModel<SmtpSettings> setup;
    pick(setup, u"Sweden"_s);
    ChooseSettingMode(setup, SettingMode::Manual);
    ChooseSettingMode(setup, SettingMode::Auto);
    QCOMPARE(setup.country, QString());
    QVERIFY(setup.operators.contains(u"Telenor"_s)); // the list stays
    const SmtpSettings before = setup.settings;

    setup.operatorName = u"Telenor"_s;
    ChooseOperator(setup);
    QCOMPARE(ComposeNetCfg(setup.settings), ComposeNetCfg(before));
}

void TestCarrierSelection::shouldChangeNothingForACountryMissingFromTheTable()
{
    SetupModel<MmsSettings> setup;
    setup.operators = QStringList {u"China Mobile"_s};
    setup.operatorName = u"China Mobile"_s;
    pick(setup, u"Andorra"_s); // has a profile, but is no list country
    QCOMPARE(setup.operators, QStringList {u"China Mobile"_s});
    QCOMPARE(setup.operatorName, u"China Mobile"_s);
    QVERIFY(setup.settings.APN.isEmpty());
}

void TestCarrierSelection::shouldRecogniseTheOneOperatorThatGivesTheValues_data()
{
    QTest::addColumn<Window>("window");
    QTest::addColumn<QStringList>("connection"); // the connection keys' values, in order
    QTest::addColumn<QString>("recognised"); // "country/operator"; empty: none

    // MMS: URL, APN, IP, port, account, password. SMTP: APN, account, password.
    // clang-format off
    QTest::newRow("MMS with credentials") << Window::Mms
        << QStringList{u"http://mms.fido.ca"_s, u"mms.fido.ca"_s, u"205.151.11.13"_s, u"80"_s, u"fido"_s, u"fido"_s}
        << u"Canada/Fido"_s;
    QTest::newRow("MMS value the profile leaves empty") << Window::Mms
        << QStringList{u"http://mms.gprs.rogers.com"_s, u"rogers-core-appl1.apn"_s, u"10.128.1.69"_s, u"80"_s, u"user"_s, {}}
        << QString();
    QTest::newRow("MMS values of three operators (Finland)") << Window::Mms
        << QStringList{u"http://mms.elisa.fi"_s, u"mms"_s, u"213.161.41.57"_s, u"80"_s, {}, {}}
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
    const auto recognise = [&](auto settings) {
        settings.Phone1 = u"555"_s;
        qsizetype at = 0;
        for (const auto &key : Section<decltype(settings)>::keys) {
            if (isConnectionKey(key.filled))
                key.setFileValue(settings, connection.value(at++));
        }
        const std::optional<OperatorPick> pick = recogniseOperator(settings);
        return pick ? pick->country + u'/' + pick->operatorName : QString();
    };
    QCOMPARE(window == Window::Mms ? recognise(MmsSettings()) : recognise(SmtpSettings()),
             recognised);
}

QTEST_GUILESS_MAIN(TestCarrierSelection)
#include "tst_carrierselection.moc"
