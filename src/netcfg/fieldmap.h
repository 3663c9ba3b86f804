#pragma once

#include "netcfg/namedcontrols.h"
#include "netcfg/section.h"
#include "netcfg/settings.h"

#include <QString>
#include <QStringList>

#include <vector>

// Where each value of a NET.CFG section lives in its setup window, and how an operator's
// profile comes in. One map per window; Generate, the carrier steps and the tests read it,
// and no other code spells the control names of these fields.

template<typename Settings> struct Field
{
    QString control; // the control's system name
    QString Settings::*value; // the key it is written under
    Filled filled;
};

// The controls of a window that hold no key's value.
struct WindowControls
{
    QString pathField; // the destination of the folder button and Generate
    QString modeBox; // "Auto" or "Manual"
    QString countryBox;
    QString operatorBox;
};

template<typename Settings> struct FieldMap : WindowControls
{
    // In the order of the controls' numbers, which is the order in which an operator's pick
    // writes them.
    std::vector<Field<Settings>> fields;
};

const FieldMap<MmsSettings> &mmsFieldMap();
const FieldMap<SmtpSettings> &smtpFieldMap();

template<typename Settings> QStringList connectionFields(const FieldMap<Settings> &map)
{
    QStringList names;
    for (const Field<Settings> &field : map.fields) {
        if (isConnectionKey(field.filled))
            names.append(field.control);
    }
    return names;
}

// The settings as the window's fields hold them now.
template<typename Settings>
Settings readSettings(const NamedControls &controls, const FieldMap<Settings> &map)
{
    Settings settings;
    for (const Field<Settings> &field : map.fields)
        settings.*field.value = controls.text(field.control);
    return settings;
}
