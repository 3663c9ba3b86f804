#pragma once

#include "netcfg/namedcontrols.h"

#include <QString>
#include <QStringList>

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

namespace mms {
const CountryTable &countryTable();
// The country box's pick: refills the operator box from the country table, shows the default
// operator and runs ChooseOperator.
void ChooseCountry(NamedControls &controls);
// The operator box's pick: fills the connection fields from the operator's MMS profile.
void ChooseOperator(NamedControls &controls);
} // namespace mms

namespace smtp {
const CountryTable &countryTable();
void ChooseCountry(NamedControls &controls);
// The operator box's pick: fills the access point and mail server fields from the operator's
// data-connection profile.
void ChooseOperator(NamedControls &controls);
} // namespace smtp
