// Invariants of the country and profile tables.

#include "carriers/carriers.h"
#include "carriers/profiles.h"

#include <QSet>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {
using Key = QPair<QString, QString>; // (country, operator)

template<typename Profile> QList<Key> keysOf(const std::vector<Profile> &table)
{
    QList<Key> keys;
    for (const Profile &p : table)
        keys.append({p.country.toString(), p.operatorName.toString()});
    return keys;
}

template<typename Profile>
QStringList operatorsOf(const std::vector<Profile> &table, const QString &country)
{
    QStringList names;
    for (const Profile &p : table) {
        if (p.country == country)
            names.append(p.operatorName.toString());
    }
    return names;
}

// Rows whose selected fields, joined by '|', are not the expected text; every other row
// must give otherwise.
template<typename Profile, typename Fields>
QStringList mismatches(const std::vector<Profile> &table, const QHash<Key, QString> &expected,
                       const QString &otherwise, Fields fields)
{
    QStringList wrong;
    for (const Profile &p : table) {
        const Key key {p.country.toString(), p.operatorName.toString()};
        const QString actual = fields(p);
        if (actual != expected.value(key, otherwise))
            wrong.append(key.first + u' ' + key.second + u": "_s + actual);
    }
    return wrong;
}

QString withCredentials(Carried carried, QStringView account, QStringView password)
{
    return carried == Carried::Yes ? account.toString() + u'|' + password.toString() : u"none"_s;
}
} // namespace

class TestCarrierTables : public QObject
{
    Q_OBJECT

private slots:
    void shouldOfferTheSameCountriesInBothWindows();
    void shouldListEachCountrysOperatorsAndDefault_data();
    void shouldListEachCountrysOperatorsAndDefault();
    void shouldHoldEachProfileKeyOnce();
    void shouldHaveAProfileForEveryListedOperator_data();
    void shouldHaveAProfileForEveryListedOperator();
    void shouldKeyTheFurtherCountriesByOperator_data();
    void shouldKeyTheFurtherCountriesByOperator();
    void shouldCarryTheFixedMmsFacts();
    void shouldCarryTheFixedDataFacts();
};

void TestCarrierTables::shouldOfferTheSameCountriesInBothWindows()
{
    const QStringList countries {
        u"Australia"_s,    u"Austria"_s,        u"Brazil"_s,       u"Bulgaria"_s,
        u"Canada"_s,       u"China"_s,          u"Croatia"_s,      u"Czech Republic"_s,
        u"Denmark"_s,      u"Egypt"_s,          u"Estonia"_s,      u"Finland"_s,
        u"France"_s,       u"Germany"_s,        u"Greece"_s,       u"Hungary"_s,
        u"India"_s,        u"Ireland"_s,        u"Italy"_s,        u"Lithuania"_s,
        u"Netherlands"_s,  u"New Zealand"_s,    u"Norway"_s,       u"Poland"_s,
        u"Portugal"_s,     u"Romania"_s,        u"Russia"_s,       u"Slovakia"_s,
        u"South Africa"_s, u"Spain"_s,          u"Sweden"_s,       u"Turkey"_s,
        u"Ukraine"_s,      u"United Kingdom"_s, u"United States"_s};
    QCOMPARE(countryNames(countryTable<MmsSettings>()), countries);
    QCOMPARE(countryNames(countryTable<SmtpSettings>()), countries);
}

void TestCarrierTables::shouldListEachCountrysOperatorsAndDefault_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QStringList>("operators"); // as the MMS window lists them
    QTest::addColumn<QString>("mmsDefault");
    QTest::addColumn<QString>("smtpExtra"); // an operator only the SMTP window adds
    QTest::addColumn<QString>("smtpDefault");

    // clang-format off
    const auto row = [](int index, QStringList operators, QString mmsDefault,
                        QString smtpDefault, QString smtpExtra = {}) {
        QTest::newRow(qPrintable(countryTable<MmsSettings>().at(index).name))
            << index << operators << mmsDefault << smtpExtra << smtpDefault;
    };
    row(0,  {u"Optus"_s, u"Telstra"_s, u"Three"_s, u"Vodafone"_s}, u"Optus"_s, u"Optus"_s);
    row(1,  {u"Drei"_s, u"MobilKom"_s, u"One"_s, u"Tele Ring"_s, u"T-Mobile"_s}, u"Drei"_s, u"Drei"_s);
    row(2,  {u"Brazil Telecom"_s, u"Claro"_s, u"Oi"_s, u"TIM"_s}, u"Brazil Telecom"_s, u"Brazil Telecom"_s);
    row(3,  {u"Globul"_s, u"Mtel"_s}, u"Globul"_s, u"Globul"_s);
    row(4,  {u"Bell"_s, u"Fido"_s, u"Koodo"_s, u"Roger"_s, u"Telus"_s}, u"Roger"_s, u"Koodo"_s);
    row(5,  {u"China Mobile"_s, u"China Unicom"_s}, u"China Mobile"_s, u"China Mobile"_s);
    row(6,  {u"VIPNet"_s}, u"VIPNet"_s, u"VIPNet"_s);
    row(7,  {u"T-Mobile"_s, u"Vodafone"_s}, u"T-Mobile"_s, u"T-Mobile"_s);
    row(8,  {u"Sonofon"_s, u"Tele Denmark"_s, u"Telia"_s, u"Tre"_s}, u"Sonofon"_s, u"Sonofon"_s);
    row(9,  {u"MobilNil"_s, u"Vodafone"_s}, u"MobilNil"_s, u"MobilNil"_s);
    row(10, {u"Elisa"_s, u"EMT"_s, u"Tele 2"_s}, u"Elisa"_s, u"Elisa"_s);
    row(11, {u"Dna"_s, u"Alands"_s, u"Elisa"_s, u"Go Mobile"_s, u"PGFree"_s, u"Sonera"_s}, u"Dna"_s, u"Dna"_s);
    row(12, {u"Orange"_s, u"Bouygues"_s, QString::fromUtf8("SFR (forfait bloqué)"), QString::fromUtf8("SFR (forfait illimité)"), u"Free"_s}, u"Orange"_s, u"Orange"_s);
    row(13, {u"O2(Prepaid)"_s, u"O2(Vertrag)"_s, u"T-Mobile(Prepaid)"_s, u"T-Mobile"_s, u"Vodafone"_s}, QString(), u"T-Mobile"_s, u"netzclub"_s);
    row(14, {u"Cosmote"_s, u"Q-Telecom"_s, u"TIM"_s, u"Vodafone"_s}, u"Cosmote"_s, u"Cosmote"_s);
    row(15, {u"PannonGSM"_s, u"T-Mobile"_s, u"Vodafone"_s}, u"PannonGSM"_s, u"PannonGSM"_s);
    row(16, {u"Airtel"_s, u"BPL"_s, u"CellOne"_s, u"Hutch"_s}, u"Airtel"_s, u"Airtel"_s);
    row(17, {u"Vodafone"_s}, u"Vodafone"_s, u"Vodafone"_s);
    row(18, {u"TIM"_s, u"Tre"_s, u"Vodafone"_s, u"Wind"_s}, u"TIM"_s, u"TIM"_s);
    row(19, {u"Omnitel"_s}, u"Omnitel"_s, u"Omnitel"_s);
    row(20, {u"KPN"_s, u"Orange"_s, u"Telfort"_s, u"T-Mobile"_s, u"Vodafone"_s}, u"KPN"_s, u"KPN"_s);
    row(21, {u"Vodafone"_s}, u"Vodafone"_s, u"Vodafone"_s);
    row(22, {u"Netcom"_s, u"Telenor"_s}, u"Netcom"_s, u"Netcom"_s);
    row(23, {u"ERA"_s, u"Heyah"_s, u"Idea"_s, u"Orange"_s, u"Plus"_s, u"Sami"_s}, u"ERA"_s, u"ERA"_s);
    row(24, {u"Optimus"_s, u"TMN"_s, u"Vodafone"_s}, u"Optimus"_s, u"Optimus"_s);
    row(25, {u"Connex-Vodafone"_s, u"Orange"_s}, u"Connex-Vodafone"_s, u"Connex-Vodafone"_s);
    row(26, {u"Beeline"_s, u"Megafon"_s, u"MTS"_s, u"TELE2"_s}, QString(), QString(), u"YOTA"_s);
    row(27, {u"O2"_s, u"T-Mobile"_s, u"Orange"_s}, u"T-Mobile"_s, u"T-Mobile"_s);
    row(28, {u"Cell C"_s, u"MTN"_s, u"VodaCom"_s}, u"Cell C"_s, u"Cell C"_s);
    row(29, {u"Amena"_s, u"Movistar"_s, u"Vodafone"_s}, u"Amena"_s, u"Amena"_s);
    row(30, {u"Tele2"_s, u"Telia"_s, u"Telenor"_s, u"Tre"_s, u"Vodafone"_s}, u"Tele2"_s, u"Tele2"_s);
    row(31, {u"Avea"_s, u"Telsim"_s, u"Turkcell"_s}, u"Avea"_s, u"Avea"_s);
    row(32, {u"Kyivstar"_s, u"Life"_s, u"UMC"_s}, u"Kyivstar"_s, u"Kyivstar"_s);
    row(33, {u"BT"_s, u"O2"_s, u"Orange"_s, u"Tesco"_s, u"Three"_s, u"T-Mobile"_s, u"Virgin"_s, u"Vodafone"_s}, u"BT"_s, u"BT"_s);
    row(34, {u"AT&T Wireless"_s, u"Cingular"_s, u"T-Mobile"_s, u"Orange"_s}, u"AT&T Wireless"_s, u"AT&T Wireless"_s);
    // clang-format on
}

void TestCarrierTables::shouldListEachCountrysOperatorsAndDefault()
{
    QFETCH(int, index);
    QFETCH(QStringList, operators);
    QFETCH(QString, mmsDefault);
    QFETCH(QString, smtpExtra);
    QFETCH(QString, smtpDefault);

    const CountryEntry &mmsEntry = countryTable<MmsSettings>().at(index);
    QCOMPARE(mmsEntry.operators, operators);
    QCOMPARE(mmsEntry.defaultOperator, mmsDefault);

    if (!smtpExtra.isEmpty())
        operators.append(smtpExtra);
    const CountryEntry &smtpEntry = countryTable<SmtpSettings>().at(index);
    QCOMPARE(smtpEntry.operators, operators);
    QCOMPARE(smtpEntry.defaultOperator, smtpDefault);
}

void TestCarrierTables::shouldHoldEachProfileKeyOnce()
{
    const QStringList singleProfileCountries {u"Andorra"_s,
                                              u"Anguilla"_s,
                                              u"Bahrain"_s,
                                              u"Bangladesh"_s,
                                              u"Barbados"_s,
                                              u"Bosnia&Herzegowina"_s,
                                              u"Brunei"_s,
                                              u"Cambodia"_s,
                                              u"Cayman Islands"_s,
                                              u"Croatia"_s,
                                              u"Dominica"_s,
                                              u"Georgia"_s,
                                              u"Grenada"_s,
                                              u"Ireland"_s,
                                              u"Israel"_s,
                                              u"Jordan"_s,
                                              u"Liechtenstein"_s,
                                              u"Lithuania"_s,
                                              u"Macau(China)"_s,
                                              u"Macedonia"_s,
                                              u"Malta"_s,
                                              u"Mexico"_s,
                                              u"Moldva"_s,
                                              u"Monaco"_s,
                                              u"New Zealand"_s,
                                              u"Panama"_s,
                                              u"Paraguay"_s,
                                              u"Qatar"_s,
                                              u"Saint Kitts and Nevis"_s,
                                              u"Saint Lucia"_s,
                                              u"Saint Vincent and the Grenadines"_s,
                                              u"Saudi Arabia"_s,
                                              u"Sri Lanka"_s,
                                              u"Syria"_s,
                                              u"Tunisia"_s,
                                              u"Turks and Caicos Islands"_s,
                                              u"United Arab Emirates"_s,
                                              u"Yemen"_s};

    for (const QList<Key> &keys : {keysOf(mmsProfileTable()), keysOf(dataProfileTable())}) {
        QHash<QString, int> perCountry;
        for (const Key &key : keys)
            ++perCountry[key.first];
        QStringList singles;
        for (auto it = perCountry.cbegin(); it != perCountry.cend(); ++it) {
            if (it.value() == 1)
                singles.append(it.key());
        }
        singles.sort();
        QCOMPARE(QSet<Key>(keys.begin(), keys.end()).size(), keys.size());
        QCOMPARE(perCountry.size(), 98);
        QCOMPARE(singles, singleProfileCountries);
    }
    QCOMPARE(int(mmsProfileTable().size()), 238);
    QCOMPARE(int(dataProfileTable().size()), 239);
}

void TestCarrierTables::shouldHaveAProfileForEveryListedOperator_data()
{
    QTest::addColumn<bool>("mmsWindow");
    QTest::addColumn<QList<Key>>("unlisted"); // profiles of list countries that no list offers
    QTest::newRow("MMS") << true << QList<Key> {{u"Russia"_s, u"YOTA"_s}};
    QTest::newRow("SMTP") << false << QList<Key> {{u"Czech Republic"_s, u"Orange"_s}};
}

void TestCarrierTables::shouldHaveAProfileForEveryListedOperator()
{
    QFETCH(bool, mmsWindow);
    QFETCH(QList<Key>, unlisted);

    const CountryTable &countries
        = mmsWindow ? countryTable<MmsSettings>() : countryTable<SmtpSettings>();
    QList<Key> listedKeys;
    for (const CountryEntry &entry : countries) {
        for (const QString &op : entry.operators) {
            const void *profile = mmsWindow
                ? static_cast<const void *>(findMmsProfile(entry.name, op))
                : findDataProfile(entry.name, op);
            const bool expected = Key {entry.name, op} != Key {u"Australia"_s, u"Three"_s};
            QVERIFY2(bool(profile) == expected, qPrintable(entry.name + u' ' + op));
            if (expected)
                listedKeys.append({entry.name, op});
        }
    }
    if (!mmsWindow) { // Vodafone CZ is served by the Orange row
        QCOMPARE(findDataProfile(u"Czech Republic", u"Vodafone"),
                 findDataProfile(u"Czech Republic", u"Orange"));
        listedKeys.removeOne(Key {u"Czech Republic"_s, u"Vodafone"_s});
    }

    const QStringList names = countryNames(countries);
    QList<Key> listCountryKeys;
    for (const Key &key : mmsWindow ? keysOf(mmsProfileTable()) : keysOf(dataProfileTable())) {
        if (names.contains(key.first))
            listCountryKeys.append(key);
    }
    QCOMPARE(listCountryKeys.size(), mmsWindow ? 122 : 123);
    QCOMPARE(QSet<Key>(listCountryKeys.begin(), listCountryKeys.end()),
             QSet<Key>(listedKeys.begin(), listedKeys.end())
                 + QSet<Key>(unlisted.begin(), unlisted.end()));
}

void TestCarrierTables::shouldKeyTheFurtherCountriesByOperator_data()
{
    QTest::addColumn<QStringList>("operators");
    // clang-format off
    QTest::newRow("Albania")          << QStringList{u"AMC"_s, u"Vodafone"_s};
    QTest::newRow("Algeria")          << QStringList{u"Djezzy"_s, u"Nedjma"_s};
    QTest::newRow("Antigua&Barbuda")  << QStringList{u"Cable and Wireless"_s, u"Digicel"_s};
    QTest::newRow("Argentina")        << QStringList{u"CTI Movil"_s, u"Personal"_s, u"Unifon"_s};
    QTest::newRow("Arub")             << QStringList{u"Digicel"_s, u"Setar"_s};
    QTest::newRow("Azerbaijan")       << QStringList{u"Azercell"_s, u"Bakcell"_s};
    QTest::newRow("Belgium")          << QStringList{u"Base"_s, u"Mobistar"_s, u"Proximus"_s, u"Tempo"_s};
    QTest::newRow("Chile")            << QStringList{u"Telefonica"_s, u"Entel PCS"_s};
    QTest::newRow("Cyprus")           << QStringList{u"Areeba"_s, u"CytaMobile"_s};
    QTest::newRow("Hong Kong(China)") << QStringList{u"CSL"_s, u"New World"_s, u"Orange"_s, u"Peoples"_s, u"SmartOne"_s, u"Sunday"_s, u"Three"_s};
    QTest::newRow("Indonesia")        << QStringList{u"IM3"_s, u"Mentari"_s, u"ProXL"_s, u"Sat-C"_s, u"Telkomsel"_s};
    QTest::newRow("Jamaica")          << QStringList{u"Cable and wireless"_s, u"Digicell"_s};
    QTest::newRow("Kazakhstan")       << QStringList{u"K Mobile"_s, u"Kcell"_s};
    QTest::newRow("Kuwait")           << QStringList{u"MTC"_s, u"Wataniya"_s};
    QTest::newRow("Luxembourg")       << QStringList{u"Lux GSM"_s, u"Tango"_s, u"VOX"_s};
    QTest::newRow("Malaysia")         << QStringList{u"Celcom"_s, u"DiGi"_s, u"Maxis"_s};
    QTest::newRow("Morocco")          << QStringList{u"IAM"_s, u"MarcoTelecom"_s};
    QTest::newRow("Nigeria")          << QStringList{u"Globacom"_s, u"Glomobile"_s};
    QTest::newRow("Oman")             << QStringList{u"Nawras"_s, u"Oman Mobile"_s};
    QTest::newRow("Pakistan")         << QStringList{u"Telenor"_s, u"Ufone"_s};
    QTest::newRow("Philippines")      << QStringList{u"Digitell"_s, u"Globe Telecom"_s, u"Smart"_s, u"SUN"_s};
    QTest::newRow("Singapore")        << QStringList{u"M1"_s, u"Singtel"_s, u"Starhub"_s};
    QTest::newRow("Switzerland")      << QStringList{u"Orange"_s, u"Sunrise"_s, u"Swisscom"_s};
    QTest::newRow("Taiwan(China)")    << QStringList{u"Chunghwa"_s, u"ForEastOne"_s, u"KG Telcom"_s, u"Mobitai"_s, u"TransAsia"_s, u"TWN"_s, u"Vibo"_s};
    QTest::newRow("Thailand")         << QStringList{u"AIS"_s, u"DTAC"_s, u"Mobilelife"_s, u"Orange"_s};
    QTest::newRow("Uruguay")          << QStringList{u"Ancel"_s, u"Movistar"_s};
    QTest::newRow("Uzbekistan")       << QStringList{u"Beeline"_s, u"Unitel"_s};
    QTest::newRow("Vietnam")          << QStringList{u"Mobifone"_s, u"Vinafone"_s};
    QTest::newRow("Yugoslavia")       << QStringList{u"Mobtel"_s, u"Monet"_s};
    // clang-format on
}

void TestCarrierTables::shouldKeyTheFurtherCountriesByOperator()
{
    QFETCH(QStringList, operators);
    const QString country = QString::fromLatin1(QTest::currentDataTag());
    QCOMPARE(operatorsOf(mmsProfileTable(), country), operators);
    QCOMPARE(operatorsOf(dataProfileTable(), country), operators);
}

void TestCarrierTables::shouldCarryTheFixedMmsFacts()
{
    const QString sfrBloque = QString::fromUtf8("SFR (forfait bloqué)");
    const QString sfrIllimite = QString::fromUtf8("SFR (forfait illimité)");
    const QHash<Key, QString> ports {{{u"France"_s, u"Orange"_s}, u"8080"_s},
                                     {{u"France"_s, u"Bouygues"_s}, u"8080"_s},
                                     {{u"France"_s, sfrBloque}, u"8080"_s},
                                     {{u"France"_s, sfrIllimite}, u"8080"_s},
                                     {{u"Germany"_s, u"O2(Prepaid)"_s}, u"8080"_s},
                                     {{u"Germany"_s, u"O2(Vertrag)"_s}, u"8080"_s},
                                     {{u"Russia"_s, u"Beeline"_s}, u"8080"_s},
                                     {{u"Russia"_s, u"Megafon"_s}, u"8080"_s},
                                     {{u"Russia"_s, u"MTS"_s}, u"8080"_s},
                                     {{u"Russia"_s, u"TELE2"_s}, u"8080"_s},
                                     {{u"Slovakia"_s, u"O2"_s}, u"8080"_s},
                                     {{u"Slovakia"_s, u"T-Mobile"_s}, u"8080"_s},
                                     {{u"Sweden"_s, u"Telia"_s}, u"8080"_s},
                                     {{u"Germany"_s, u"T-Mobile(Prepaid)"_s}, u"8008"_s},
                                     {{u"Germany"_s, u"T-Mobile"_s}, u"8008"_s},
                                     {{u"Australia"_s, u"Optus"_s}, u"8070"_s},
                                     {{u"Slovakia"_s, u"Orange"_s}, u"8799"_s},
                                     {{u"Sweden"_s, u"Telenor"_s}, u"8799"_s},
                                     {{u"Russia"_s, u"YOTA"_s}, QString()}};
    QCOMPARE(mismatches(mmsProfileTable(), ports, u"80"_s,
                        [](const MmsProfile &p) { return p.Port.toString(); }),
             QStringList());

    // Non-empty credentials for these, empty for "Megafon", none anywhere else.
    QHash<Key, QString> credentials {{{u"Russia"_s, u"Megafon"_s}, u"|"_s}};
    for (const Key &key : {Key {u"Canada"_s, u"Fido"_s}, Key {u"Czech Republic"_s, u"T-Mobile"_s},
                           Key {u"Czech Republic"_s, u"Vodafone"_s}, Key {u"France"_s, u"Orange"_s},
                           Key {u"Germany"_s, u"T-Mobile"_s}, Key {u"Russia"_s, u"Beeline"_s},
                           Key {u"Russia"_s, u"MTS"_s}}) {
        const MmsProfile *p = findMmsProfile(key.first, key.second);
        QVERIFY(p && !p->APNAccount.isEmpty() && !p->APNPassword.isEmpty());
        credentials.insert(key, withCredentials(p->credentials, p->APNAccount, p->APNPassword));
    }
    QCOMPARE(mismatches(mmsProfileTable(), credentials, u"none"_s,
                        [](const MmsProfile &p) {
                            return withCredentials(p.credentials, p.APNAccount, p.APNPassword);
                        }),
             QStringList());

    const MmsProfile *yota = findMmsProfile(u"Russia", u"YOTA");
    QVERIFY(yota && yota->APN.isEmpty() && yota->URL.isEmpty() && yota->IP.isEmpty());
    QCOMPARE(findMmsProfile(u"China", u"China Mobile")->APN.toString(), u"cmwap"_s);
    QCOMPARE(findMmsProfile(u"China", u"China Unicom")->APN.toString(), u"uniwap"_s);
    QCOMPARE(findMmsProfile(u"United States", u"AT&T Wireless")->APN.toString(), u"proxy"_s);
    QCOMPARE(findMmsProfile(u"Germany", u"O2(Vertrag)")->APN.toString(), u"internet"_s);
}

void TestCarrierTables::shouldCarryTheFixedDataFacts()
{
    QHash<Key, QString> credentials {{{u"Russia"_s, u"TELE2"_s}, u"|"_s},
                                     {{u"Russia"_s, u"YOTA"_s}, u"|"_s}};
    for (const Key &key :
         {Key {u"Canada"_s, u"Roger"_s}, Key {u"Germany"_s, u"T-Mobile(Prepaid)"_s},
          Key {u"Germany"_s, u"T-Mobile"_s}, Key {u"Russia"_s, u"Beeline"_s},
          Key {u"Russia"_s, u"Megafon"_s}, Key {u"Russia"_s, u"MTS"_s}}) {
        const DataProfile *p = findDataProfile(key.first, key.second);
        QVERIFY(p && !p->APNAccount.isEmpty() && !p->APNPassword.isEmpty());
        credentials.insert(key, withCredentials(p->credentials, p->APNAccount, p->APNPassword));
    }
    QCOMPARE(mismatches(dataProfileTable(), credentials, u"none"_s,
                        [](const DataProfile &p) {
                            return withCredentials(p.credentials, p.APNAccount, p.APNPassword);
                        }),
             QStringList());

    // Port and SSL of every mail server row; the server names are checked by hand.
    const QHash<Key, QString> mailServers {{{u"Slovakia"_s, u"O2"_s}, u"25|0"_s},
                                           {{u"Slovakia"_s, u"T-Mobile"_s}, u"25|0"_s},
                                           {{u"Slovakia"_s, u"Orange"_s}, u"25|0"_s},
                                           {{u"Czech Republic"_s, u"Orange"_s}, u"|"_s}};
    QCOMPARE(mismatches(dataProfileTable(), mailServers, u"none"_s,
                        [](const DataProfile &p) {
                            return p.mailServer == Carried::Yes
                                ? p.Port.toString() + u'|' + p.SSL.toString()
                                : u"none"_s;
                        }),
             QStringList());
    QVERIFY(findDataProfile(u"Czech Republic", u"Orange")->Server.isEmpty());

    const QHash<Key, QString> apns {{{u"Australia"_s, u"Optus"_s}, u"internet"_s},
                                    {{u"Germany"_s, u"O2(Vertrag)"_s}, u"internet"_s},
                                    {{u"Russia"_s, u"Megafon"_s}, u"internet"_s},
                                    {{u"Slovakia"_s, u"T-Mobile"_s}, u"internet"_s},
                                    {{u"Sweden"_s, u"Telenor"_s}, u"internet"_s},
                                    {{u"Czech Republic"_s, u"Orange"_s}, u"internet"_s},
                                    {{u"China"_s, u"China Mobile"_s}, u"cmwap"_s},
                                    {{u"China"_s, u"China Unicom"_s}, u"uniwap"_s},
                                    {{u"France"_s, u"Free"_s}, u"free"_s},
                                    {{u"Slovakia"_s, u"O2"_s}, u"o2internet"_s},
                                    {{u"United States"_s, u"AT&T Wireless"_s}, u"proxy"_s}};
    for (auto it = apns.cbegin(); it != apns.cend(); ++it)
        QCOMPARE(findDataProfile(it.key().first, it.key().second)->APN.toString(), it.value());
}

QTEST_GUILESS_MAIN(TestCarrierTables)
#include "tst_carriertables.moc"
