#include "carriers/carriers.h"

#include "carriers/profiles.h"

#include <algorithm>
#include <type_traits>

namespace {

// A country with a single profile gets it whatever operator is shown; any other country
// needs the operator's exact name.
template<typename Profile>
const Profile *findProfile(const std::vector<Profile> &table, QStringView country,
                           QStringView operatorName)
{
    const Profile *single = nullptr;
    const Profile *named = nullptr;
    int countryProfiles = 0;
    for (const Profile &profile : table) {
        if (profile.country != country)
            continue;
        ++countryProfiles;
        single = &profile;
        if (profile.operatorName == operatorName)
            named = &profile;
    }
    return countryProfiles == 1 ? single : named;
}

// The values a profile holds, under the keys they feed.
MmsSettings valuesOf(const MmsProfile &profile)
{
    MmsSettings values;
    values.APN = profile.APN.toString();
    values.URL = profile.URL.toString();
    values.IP = profile.IP.toString();
    values.Port = profile.Port.toString();
    values.APNAccount = profile.APNAccount.toString();
    values.APNPassword = profile.APNPassword.toString();
    return values;
}

SmtpSettings valuesOf(const DataProfile &profile)
{
    SmtpSettings values;
    values.APN = profile.APN.toString();
    values.APNAccount = profile.APNAccount.toString();
    values.APNPassword = profile.APNPassword.toString();
    values.Server = profile.Server.toString();
    values.Port = profile.Port.toString();
    values.SSL = profile.SSL.toString(); // the SSL box's text
    return values;
}

bool fills(const MmsProfile &profile, Filled filled)
{
    return filled == Filled::ByProfile
        || (filled == Filled::ByProfileCredentials && profile.credentials == Carried::Yes);
}

bool fills(const DataProfile &profile, Filled filled)
{
    return filled == Filled::ByProfile
        || (filled == Filled::ByProfileCredentials && profile.credentials == Carried::Yes)
        || (filled == Filled::ByProfileMailServer && profile.mailServer == Carried::Yes);
}

const MmsProfile *find(const MmsSettings *, QStringView country, QStringView operatorName)
{
    return findMmsProfile(country, operatorName);
}

const DataProfile *find(const SmtpSettings *, QStringView country, QStringView operatorName)
{
    return findDataProfile(country, operatorName);
}

} // namespace

const MmsProfile *findMmsProfile(QStringView country, QStringView operatorName)
{
    return findProfile(mmsProfileTable(), country, operatorName);
}

const DataProfile *findDataProfile(QStringView country, QStringView operatorName)
{
    if (const DataProfile *profile = findProfile(dataProfileTable(), country, operatorName))
        return profile;
    const auto &aliases = dataProfileAliases();
    const auto alias = std::find_if(aliases.begin(), aliases.end(), [&](const ProfileAlias &a) {
        return a.country == country && a.operatorName == operatorName;
    });
    if (alias == aliases.end())
        return nullptr;
    return findProfile(dataProfileTable(), country, alias->profileOperator);
}

QStringList countryNames(const CountryTable &table)
{
    QStringList names;
    names.reserve(qsizetype(table.size()));
    for (const CountryEntry &entry : table)
        names.append(entry.name);
    return names;
}

std::optional<QString> findName(const QStringList &names, const QString &name)
{
    if (names.contains(name))
        return name;
    QStringList matches;
    for (const QString &candidate : names) {
        if (candidate.compare(name, Qt::CaseInsensitive) == 0)
            matches.append(candidate);
    }
    return matches.size() == 1 ? std::optional(matches.first()) : std::nullopt;
}

const CountryEntry *findCountry(const CountryTable &table, const QString &name)
{
    const std::optional<QString> found = findName(countryNames(table), name);
    if (!found)
        return nullptr;
    return &*std::find_if(table.begin(), table.end(),
                          [&](const CountryEntry &entry) { return entry.name == *found; });
}

template<typename Settings>
std::optional<ProfileValues<Settings>> profileValues(const QString &country,
                                                     const QString &operatorName)
{
    const auto *profile = find(static_cast<const Settings *>(nullptr), country, operatorName);
    if (!profile)
        return std::nullopt;
    ProfileValues<Settings> written {valuesOf(*profile), {}};
    for (const SectionKey<Settings> &key : Section<Settings>::keys) {
        if (fills(*profile, key.filled))
            written.keys.append(key.value);
    }
    return written;
}

template<typename Settings> void ChooseCountry(SetupModel<Settings> &setup)
{
    const CountryTable &table = countryTable<Settings>();
    const auto entry = std::find_if(table.begin(), table.end(),
                                    [&](const CountryEntry &e) { return e.name == setup.country; });
    if (entry == table.end())
        return; // a failed lookup changes nothing
    setup.operators = entry->operators;
    setup.operatorName = entry->defaultOperator;
    ChooseOperator(setup);
}

template<typename Settings> void ChooseOperator(SetupModel<Settings> &setup)
{
    const auto profile = profileValues<Settings>(setup.country, setup.operatorName);
    for (const SectionKey<Settings> &key : Section<Settings>::keys) {
        QString &value = setup.settings.*key.value;
        if (profile && profile->keys.contains(key.value))
            value = profile->values.*key.value;
        else if (setup.mode == SettingMode::Auto && isConnectionKey(key.filled))
            value.clear(); // hidden: nothing of an earlier pick may stay behind unseen
    }
}

template<typename Settings> void ChooseSettingMode(SetupModel<Settings> &setup, SettingMode mode)
{
    setup.mode = mode;
    if (mode != SettingMode::Manual)
        return; // the values stay, hidden, and are written
    setup.country.clear();
    setup.operatorName.clear();
    for (const SectionKey<Settings> &key : Section<Settings>::keys) {
        if (isConnectionKey(key.filled))
            (setup.settings.*key.value).clear();
    }
}

template<typename Settings> std::optional<OperatorPick> recogniseOperator(const Settings &settings)
{
    // Whether a pick in a freshly opened window, whose connection values are empty, leaves
    // them holding the settings' values.
    const auto putsExactly = [&](const ProfileValues<Settings> &profile) {
        for (const SectionKey<Settings> &key : Section<Settings>::keys) {
            if (!isConnectionKey(key.filled))
                continue;
            const QString put
                = profile.keys.contains(key.value) ? profile.values.*key.value : QString();
            if (settings.*key.value != put)
                return false;
        }
        return true;
    };
    std::optional<OperatorPick> found;
    for (const CountryEntry &country : countryTable<Settings>()) {
        // A single profile applies whatever operator is shown: the country is one candidate.
        const bool single = profileValues<Settings>(country.name, QString()).has_value();
        const QStringList candidates
            = single ? QStringList {country.defaultOperator} : country.operators;
        for (const QString &operatorName : candidates) {
            const auto profile = profileValues<Settings>(country.name, operatorName);
            if (!profile || !putsExactly(*profile))
                continue;
            if (found)
                return std::nullopt;
            found = OperatorPick {country.name, operatorName};
        }
    }
    return found;
}

template<typename Settings> SetupModel<Settings> setupOfFile(const Settings &settings)
{
    SetupModel<Settings> setup;
    const std::optional<OperatorPick> pick = recogniseOperator(settings);
    ChooseSettingMode(setup, pick ? SettingMode::Auto : SettingMode::Manual);
    if (pick) {
        setup.country = pick->country;
        ChooseCountry(setup);
        setup.operatorName = pick->operatorName;
        ChooseOperator(setup);
    }
    // Every value the file's: the recipients and the mail server are no pick's.
    setup.settings = settings;
    if constexpr (std::is_same_v<Settings, SmtpSettings>)
        setup.settings.SSL = sslBoxText(settings.SSL);
    return setup;
}

// The steps of the two sections.
template std::optional<ProfileValues<MmsSettings>> profileValues(const QString &, const QString &);
template std::optional<ProfileValues<SmtpSettings>> profileValues(const QString &, const QString &);
template void ChooseCountry(SetupModel<MmsSettings> &);
template void ChooseCountry(SetupModel<SmtpSettings> &);
template void ChooseOperator(SetupModel<MmsSettings> &);
template void ChooseOperator(SetupModel<SmtpSettings> &);
template void ChooseSettingMode(SetupModel<MmsSettings> &, SettingMode);
template void ChooseSettingMode(SetupModel<SmtpSettings> &, SettingMode);
template std::optional<OperatorPick> recogniseOperator(const MmsSettings &);
template std::optional<OperatorPick> recogniseOperator(const SmtpSettings &);
template SetupModel<MmsSettings> setupOfFile(const MmsSettings &);
template SetupModel<SmtpSettings> setupOfFile(const SmtpSettings &);
