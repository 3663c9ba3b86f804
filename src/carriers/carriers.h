#pragma once

#include "carriers/setupmodel.h"
#include "netcfg/settings.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

// A country of a setup window's country box, with its operators in list order.
struct CountryEntry
{
    QString name;
    QStringList operators;
    QString defaultOperator; // empty: the country has no default operator
};

using CountryTable = std::vector<CountryEntry>;

// The country table of each section's window (country_tables.cpp).
template<typename Settings> const CountryTable &countryTable();

// The names of a table's countries, in list order, for the country box.
QStringList countryNames(const CountryTable &table);

// A country or operator named by someone who typed it (the command line): the name of names
// that is name; failing that, the only one that is name in another case. Nothing when none
// is, or when several are in other cases.
std::optional<QString> findName(const QStringList &names, const QString &name);
// The country of table that findName finds by name; nullptr when there is none.
const CountryEntry *findCountry(const CountryTable &table, const QString &name);

// An operator's profile as its pick writes it: the values under the keys they feed, and the
// keys that the pick writes (those of the groups that the profile carries; see Filled in
// netcfg/section.h), in the section's order.
template<typename Settings> struct ProfileValues
{
    Settings values;
    QList<const SectionKey<Settings> *> keys;
};

// The profile that a pick of this country and operator applies, looked up by whole,
// case-sensitive texts; a country with a single profile gets it whatever the operator text
// is. Nothing when there is no such profile.
template<typename Settings>
std::optional<ProfileValues<Settings>> profileValues(const QString &country,
                                                     const QString &operatorName);

// The carrier steps, each the effect of the user's pick in a box on the setup.
//
// ChooseCountry: the country box's pick. A country of the table refills the operator list,
// shows its default operator (or an empty text) and runs ChooseOperator; any other text
// changes nothing.
template<typename Settings> void ChooseCountry(SetupModel<Settings> &setup);
// ChooseOperator: the operator box's pick. Writes the profile of the shown country and
// operator into the keys it carries. In Auto mode a connection key (isConnectionKey) that the
// profile does not carry, or every one when there is no such profile, is emptied: the window
// hides those fields, so none may keep an earlier operator's value. The keys the user sees
// (recipients, the sender's account, the SMTP mail server unless the profile carries one) keep
// their values.
template<typename Settings> void ChooseOperator(SetupModel<Settings> &setup);
// The setting-mode box's pick. Manual empties the country's and operator's texts (their list
// stays) and every connection value (isConnectionKey); Auto changes no value.
template<typename Settings> void ChooseSettingMode(SetupModel<Settings> &setup, SettingMode mode);

// A country and an operator as the boxes show them after the user's picks. operatorName is
// what the operator box shows: empty for a country without a default operator.
struct OperatorPick
{
    QString country;
    QString operatorName;
};

// The operator whose pick in a freshly opened window puts exactly these connection values
// into it: its profile's value in every connection key that the profile fills, empty in the
// others. Candidates are every operator of the country table, but a country with a single
// profile counts once, with the operator that picking the country shows. Nothing when no
// candidate matches, or when more than one does. (The SMTP mail server plays no part.)
template<typename Settings> std::optional<OperatorPick> recogniseOperator(const Settings &settings);

// The setup that shows a file's settings as the user would have made it: Auto with the
// recognised operator picked through the steps above, else Manual; then every value the file's.
template<typename Settings> SetupModel<Settings> setupOfFile(const Settings &settings);
