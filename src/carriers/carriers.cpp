#include "carriers/carriers.h"

#include "carriers/profiles.h"

#include <algorithm>

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

// Whether a profile carries the group of values that fills a key.
template<typename Profile> bool carries(const Profile &profile, Filled filled)
{
    switch (filled) {
    case Filled::ByUser:
        return false;
    case Filled::ByProfile:
        return true;
    case Filled::ByProfileCredentials:
        return profile.credentials == Carried::Yes;
    case Filled::ByProfileMailServer:
        return profile.mailServer == Carried::Yes;
    }
    return false;
}

// A profile's value for a key: the field of its column.
template<typename Settings>
QString columnValue(const typename Profiles<Settings>::Profile &profile, QLatin1StringView key)
{
    for (const auto &column : Profiles<Settings>::columns) {
        if (key == QLatin1StringView(column.key))
            return (profile.*column.value).toString();
    }
    qFatal("No profile column feeds %s", key.data());
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
    const auto *profile = Profiles<Settings>::find(country, operatorName);
    if (!profile)
        return std::nullopt;
    ProfileValues<Settings> written;
    for (const SectionKey<Settings> &key : Section<Settings>::keys) {
        if (carries(*profile, key.filled)) {
            key.setFileValue(written.values, columnValue<Settings>(*profile, key.key()));
            written.keys.append(&key);
        }
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
        if (profile && profile->keys.contains(&key))
            key.copy(profile->values, setup.settings);
        else if (setup.mode == SettingMode::Auto && isConnectionKey(key.filled))
            key.clear(setup.settings); // hidden: nothing of an earlier pick may stay behind unseen
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
            key.clear(setup.settings);
    }
}

template<typename Settings> std::optional<OperatorPick> recogniseOperator(const Settings &settings)
{
    // Whether a pick in a freshly opened window, whose connection values are empty, leaves
    // them holding the settings' values.
    static const Settings none;
    const auto putsExactly = [&](const ProfileValues<Settings> &profile) {
        for (const SectionKey<Settings> &key : Section<Settings>::keys) {
            if (!isConnectionKey(key.filled))
                continue;
            if (!key.same(settings, profile.keys.contains(&key) ? profile.values : none))
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
