#pragma once

#include <QString>
#include <QStringList>

#include <vector>

// The named controls of a setup window, as the carrier selection steps see them:
// the country box "Combo3", the operator box "Combo4", the connection fields
// "Text1"... and the SSL box "Combo5".
class CarrierControls
{
public:
    virtual ~CarrierControls() = default;
    virtual QString text(const QString &name) const = 0;
    virtual void setText(const QString &name, const QString &text) = 0;
    // Removes every item of a box's list and empties its text.
    virtual void clearList(const QString &name) = 0;
    virtual void addItem(const QString &name, const QString &item) = 0;
};

// A country of a setup window's country box, with its operators in list order.
struct CountryEntry
{
    QString name;
    QStringList operators;
    QString defaultOperator; // empty: the country has no default operator
};

using CountryTable = std::vector<CountryEntry>;

// Runs after the operator box changed: copies the matching profile into the fields.
using ChooseOperatorStep = void (*)(CarrierControls &);

// The country box's pick: refills the operator box from table, shows the default operator
// and runs chooseOperator.
void ChooseCountry(CarrierControls &controls, const CountryTable &table,
                   ChooseOperatorStep chooseOperator);

// The names of a table's countries, in list order, for the country box.
QStringList countryNames(const CountryTable &table);

namespace mms {
const CountryTable &countryTable();
// The MMS window's operator pick: fills Text1 to Text6 from the operator's MMS profile.
void ChooseOperator(CarrierControls &controls);
} // namespace mms

namespace smtp {
const CountryTable &countryTable();
// The SMTP window's operator pick: fills Text1 to Text5 and Combo5 from the operator's
// data-connection profile.
void ChooseOperator(CarrierControls &controls);
} // namespace smtp
