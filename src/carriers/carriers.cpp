#include "carriers/carriers.h"

#include "carriers/profiles.h"

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

// The controls of a setup window that the selection steps use.
const QString countryBox = u"Combo3"_s;
const QString operatorBox = u"Combo4"_s;

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

void ChooseCountry(CarrierControls &controls, const CountryTable &table,
                   ChooseOperatorStep chooseOperator)
{
    const QString country = controls.text(countryBox);
    const auto entry = std::find_if(table.begin(), table.end(),
                                    [&](const CountryEntry &e) { return e.name == country; });
    if (entry == table.end())
        return; // a failed lookup changes nothing

    controls.clearList(operatorBox);
    for (const QString &operatorName : entry->operators)
        controls.addItem(operatorBox, operatorName);
    if (!entry->defaultOperator.isEmpty())
        controls.setText(operatorBox, entry->defaultOperator);
    if (chooseOperator)
        chooseOperator(controls);
}

QStringList countryNames(const CountryTable &table)
{
    QStringList names;
    names.reserve(qsizetype(table.size()));
    for (const CountryEntry &entry : table)
        names.append(entry.name);
    return names;
}

namespace mms {
void ChooseOperator(CarrierControls &controls)
{
    const MmsProfile *profile
        = findMmsProfile(controls.text(countryBox), controls.text(operatorBox));
    if (!profile)
        return;
    controls.setText(u"Text1"_s, profile->APN.toString());
    if (profile->credentials == Carried::Yes) {
        controls.setText(u"Text2"_s, profile->APNPassword.toString());
        controls.setText(u"Text3"_s, profile->APNAccount.toString());
    }
    controls.setText(u"Text4"_s, profile->URL.toString());
    controls.setText(u"Text5"_s, profile->IP.toString());
    controls.setText(u"Text6"_s, profile->Port.toString());
}
} // namespace mms

namespace smtp {
void ChooseOperator(CarrierControls &controls)
{
    const DataProfile *profile
        = findDataProfile(controls.text(countryBox), controls.text(operatorBox));
    if (!profile)
        return;
    controls.setText(u"Text1"_s, profile->APN.toString());
    if (profile->credentials == Carried::Yes) {
        controls.setText(u"Text2"_s, profile->APNAccount.toString());
        controls.setText(u"Text3"_s, profile->APNPassword.toString());
    }
    if (profile->mailServer == Carried::Yes) {
        controls.setText(u"Text4"_s, profile->Server.toString());
        controls.setText(u"Text5"_s, profile->Port.toString());
        controls.setText(u"Combo5"_s, profile->SSL.toString());
    }
}
} // namespace smtp
