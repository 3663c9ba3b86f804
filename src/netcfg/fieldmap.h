#pragma once

#include "netcfg/namedcontrols.h"
#include "netcfg/settings.h"

#include <QString>
#include <QStringList>

#include <vector>

// Where each value of a NET.CFG section lives in its setup window, and how an operator's
// profile comes in. One map per window; Generate, the carrier steps and the tests read it,
// and no other code spells the control names of these fields.

// Which of an operator's profile values fills a field: the profile's value of the field's
// key, when the profile carries it.
enum class Filled {
    ByUser, // no profile value: the user's own (recipients, the sender's mail account)
    ByProfile, // always, by every profile
    ByProfileCredentials, // by a profile that carries the access point's credentials
    ByProfileMailServer, // by a profile that carries a mail server
};

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

// Whether a field is a connection field, which the setting mode offers or hides: one that an
// operator's profile fills, but for a mail server, which stays the user's to type in either mode.
inline bool isConnectionField(Filled filled)
{
    return filled == Filled::ByProfile || filled == Filled::ByProfileCredentials;
}

template<typename Settings> QStringList connectionFields(const FieldMap<Settings> &map)
{
    QStringList names;
    for (const Field<Settings> &field : map.fields) {
        if (isConnectionField(field.filled))
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
