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
    // The section's values. SMTP: SSL holds the SSL box's text ("YES", "NO" or any other),
    // which fileSettings() turns into the file's value.
    Settings settings;
};

// A setup as its window opens, as far as Generate reads it: every value empty, and the SMTP
// window's SSL box says "YES".
template<typename Settings> SetupModel<Settings> openedSetup();

// The settings that Generate writes: for SMTP, SSL becomes the file's value for the box's
// text (sslFileValue, with readSsl, the SSL value of the file that the window read), which
// also sets ssl.
MmsSettings fileSettings(const SetupModel<MmsSettings> &setup, SslValue &ssl);
SmtpSettings fileSettings(const SetupModel<SmtpSettings> &setup, SslValue &ssl,
                          const std::optional<QString> &readSsl = std::nullopt);
