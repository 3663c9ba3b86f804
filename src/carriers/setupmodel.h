#pragma once

#include "netcfg/section.h"

#include <QString>
#include <QStringList>

// How a setup's connection values come in: from the carrier database (the country and
// operator picked), or typed by the user.
enum class SettingMode { Auto, Manual };

// Everything a setup holds, as plain values: what a setup window shows, and what the command
// line builds from its options. The carrier steps (carriers.h) and the windows' actions work
// on it; a window binds it to its controls.
template<typename Settings> struct SetupModel
{
    SettingMode mode = SettingMode::Auto;
    QString country; // the country box's text
    QString operatorName; // the operator box's text
    QStringList operators; // the operator box's list
    Settings settings; // the section's values, as Generate writes them
};

// A setup as its window opens, as far as Generate reads it: every value empty, and the SMTP
// window's SSL box says "YES".
template<typename Settings> SetupModel<Settings> openedSetup();
