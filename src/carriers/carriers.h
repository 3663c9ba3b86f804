#pragma once

#include "netcfg/namedcontrols.h"
#include "netcfg/settings.h"

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

// A selection step of a setup window, run on a pick in its country or operator box. The
// controls are those of the window's field map (netcfg/fieldmap.h).
using CarrierStep = void (*)(NamedControls &);

// The names of a table's countries, in list order, for the country box.
QStringList countryNames(const CountryTable &table);

// A country and an operator, as the country and operator boxes show them after the user's
// picks. operatorName is what the operator box shows: empty for a country without a default
// operator.
struct OperatorPick
{
    QString country;
    QString operatorName;
};

namespace mms {
const CountryTable &countryTable();
// The country box's pick: refills the operator box from the country table, shows the default
// operator and runs ChooseOperator.
void ChooseCountry(NamedControls &controls);
// The operator box's pick: fills the connection fields from the operator's MMS profile.
void ChooseOperator(NamedControls &controls);
// The operator whose pick in a freshly opened window puts exactly these connection values
// (connectionFields(mmsFieldMap())) into the window: its profile's value in every field that
// the profile fills, empty in the others. Candidates are every operator of the country table,
// but a country with a single profile counts once, with the operator that picking the country
// shows. Nothing when no candidate matches, or when more than one does.
std::optional<OperatorPick> recogniseOperator(const MmsSettings &settings);
} // namespace mms

namespace smtp {
const CountryTable &countryTable();
void ChooseCountry(NamedControls &controls);
// The operator box's pick: fills the access point and mail server fields from the operator's
// data-connection profile.
void ChooseOperator(NamedControls &controls);
// As mms::recogniseOperator, over the SMTP window's connection fields: the access point and
// its credentials. The mail server's fields play no part.
std::optional<OperatorPick> recogniseOperator(const SmtpSettings &settings);
} // namespace smtp
