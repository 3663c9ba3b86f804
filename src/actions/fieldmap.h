#pragma once

#include "actions/namedcontrols.h"
#include "carriers/setupmodel.h"
#include "netcfg/settings.h"

#include <QLatin1StringView>
#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

// Where each value of a setup lives in its window: the control of every key of the section,
// and the window's Path field and setting-mode, country and operator boxes. One map per
// window (field_map_tables.cpp); no other code below the windows spells these names.

template<typename Settings> struct FieldRow
{
    QString control; // the control's system name
    QString Settings::*value; // the key it holds
};

// The controls of a window that hold no key's value.
struct WindowControls
{
    QString pathField; // the destination of the folder button, Read and Generate
    QString modeBox; // "Auto" or "Manual"
    QString countryBox;
    QString operatorBox;
};

template<typename Settings> struct FieldMap : WindowControls
{
    std::vector<FieldRow<Settings>> fields; // in the order of the controls' numbers
};

template<typename Settings> const FieldMap<Settings> &fieldMap();

// The setting-mode box's entries.
inline const QString kAutoMode = QStringLiteral("Auto");
inline const QString kManualMode = QStringLiteral("Manual");
QString modeName(SettingMode mode);
// The mode that the box's text names; nothing for any other text.
std::optional<SettingMode> settingModeOf(const QString &boxText);

// The fields that the setting mode offers or hides, in the map's order.
template<typename Settings> QStringList connectionControls();

// The control that holds a key of the section; empty when no field holds it.
template<typename Settings> QString controlOf(QLatin1StringView key);

// The setup that the window's controls show, in the given mode (the mode that the last
// setting-mode rule applied: the box's text may have been typed over).
template<typename Settings>
SetupModel<Settings> readSetup(const NamedControls &controls, SettingMode mode);

// Shows a step's effect: writes every text and list in which after differs from before, the
// setup that readSetup() gave. Nothing else is touched, so that a field's cursor and undo
// stay where the step changed nothing.
template<typename Settings>
void showSetup(NamedControls &controls, const SetupModel<Settings> &before,
               const SetupModel<Settings> &after);
