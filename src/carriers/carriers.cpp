#include "carriers/carriers.h"

#include "carriers/profiles.h"
#include "netcfg/fieldmap.h"

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

namespace {

void chooseCountry(NamedControls &controls, const WindowControls &map, const CountryTable &table,
                   CarrierStep chooseOperator)
{
    const QString country = controls.text(map.countryBox);
    const auto entry = std::find_if(table.begin(), table.end(),
                                    [&](const CountryEntry &e) { return e.name == country; });
    if (entry == table.end())
        return; // a failed lookup changes nothing

    controls.clearList(map.operatorBox);
    for (const QString &operatorName : entry->operators)
        controls.addItem(map.operatorBox, operatorName);
    if (!entry->defaultOperator.isEmpty())
        controls.setText(map.operatorBox, entry->defaultOperator);
    chooseOperator(controls);
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
    values.SSL = profile.SSL.toString();
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

// Writes the profile of the boxes' country and operator into the fields it fills, in the map's
// order; a field that the profile does not fill keeps its text.
template<typename Settings, typename Profile>
void chooseOperator(NamedControls &controls, const FieldMap<Settings> &map,
                    const Profile *(*find)(QStringView country, QStringView operatorName))
{
    const Profile *profile = find(controls.text(map.countryBox), controls.text(map.operatorBox));
    if (!profile)
        return;
    const Settings values = valuesOf(*profile);
    for (const Field<Settings> &field : map.fields) {
        if (fills(*profile, field.filled))
            controls.setText(field.control, values.*field.value);
    }
}

// Whether a pick of this profile in a freshly opened window, whose connection fields are
// empty, leaves them holding the settings' values.
template<typename Settings, typename Profile>
bool putsExactly(const Profile &profile, const FieldMap<Settings> &map, const Settings &settings)
{
    const Settings values = valuesOf(profile);
    for (const Field<Settings> &field : map.fields) {
        if (!isConnectionKey(field.filled))
            continue;
        const QString put = fills(profile, field.filled) ? values.*field.value : QString();
        if (settings.*field.value != put)
            return false;
    }
    return true;
}

template<typename Settings, typename Profile>
std::optional<OperatorPick>
recognise(const Settings &settings, const FieldMap<Settings> &map, const CountryTable &table,
          const std::vector<Profile> &profiles,
          const Profile *(*find)(QStringView country, QStringView operatorName))
{
    std::optional<OperatorPick> found;
    for (const CountryEntry &country : table) {
        const auto countryProfiles
            = std::count_if(profiles.begin(), profiles.end(),
                            [&](const Profile &p) { return p.country == country.name; });
        // A single profile applies whatever operator is shown: the country is one candidate.
        const QStringList candidates
            = countryProfiles == 1 ? QStringList {country.defaultOperator} : country.operators;
        for (const QString &operatorName : candidates) {
            const Profile *profile = find(country.name, operatorName);
            if (!profile || !putsExactly(*profile, map, settings))
                continue;
            if (found)
                return std::nullopt;
            found = OperatorPick {country.name, operatorName};
        }
    }
    return found;
}

} // namespace

namespace mms {
void ChooseCountry(NamedControls &controls)
{
    chooseCountry(controls, mmsFieldMap(), countryTable(), &ChooseOperator);
}

void ChooseOperator(NamedControls &controls)
{
    chooseOperator(controls, mmsFieldMap(), &findMmsProfile);
}

std::optional<OperatorPick> recogniseOperator(const MmsSettings &settings)
{
    return recognise(settings, mmsFieldMap(), countryTable(), mmsProfileTable(), &findMmsProfile);
}
} // namespace mms

namespace smtp {
void ChooseCountry(NamedControls &controls)
{
    chooseCountry(controls, smtpFieldMap(), countryTable(), &ChooseOperator);
}

void ChooseOperator(NamedControls &controls)
{
    chooseOperator(controls, smtpFieldMap(), &findDataProfile);
}

std::optional<OperatorPick> recogniseOperator(const SmtpSettings &settings)
{
    return recognise(settings, smtpFieldMap(), countryTable(), dataProfileTable(),
                     &findDataProfile);
}
} // namespace smtp
