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
    KeyMember<Settings> value; // the key it holds
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

// The SSL box's entries.
inline const QString kSslYes = QStringLiteral("YES");
inline const QString kSslNo = QStringLiteral("NO");

// The SSL box's text for a value: "YES", "NO", or a file's kept text as it stands.
QString sslBoxText(const Ssl &ssl);
// The value that the SSL box's text names, held being the value it named before: held while
// the box shows held's text (so that a file's "YES" or "2" is written back as it was read),
// else Yes for "YES" and No for "NO"; any other text keeps held.
Ssl sslOfBoxText(const QString &text, const Ssl &held);

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
// setting-mode rule applied: the box's text may have been typed over), with the values kept
// (keepValues) that a control's text names only relative to the value before: the SSL box's.
template<typename Settings>
SetupModel<Settings> readSetup(const NamedControls &controls, SettingMode mode,
                               const Settings &kept);

// Shows a step's effect: writes every text and list in which after differs from before, the
// setup that readSetup() gave. Nothing else is touched, so that a field's cursor and undo
// stay where the step changed nothing.
template<typename Settings>
void showSetup(NamedControls &controls, const SetupModel<Settings> &before,
               const SetupModel<Settings> &after);

// What a window keeps of its setup, which the run carries from one opening of the window to
// the next: the SSL value (only the keys of its kind are set in kept). A window keeps the
// settings that each step, read and Generate leave.
template<typename Settings> void keepValues(Settings &kept, const Settings &settings);
// The kept values as a window opens afresh: its boxes show their designed texts, so a kept
// file text that reads as one of the SSL box's entries (a card's "YES" read in an earlier
// opening) is that entry's value from now on; any other stays for a box the user clears.
template<typename Settings> void reopen(Settings &kept);
