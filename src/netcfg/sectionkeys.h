#pragma once

#include "netcfg/settings.h"

// The keys of each NET.CFG section in the order the camera reads them, each with the settings
// member it is written from and read into. Composing and reading share these tables, so that
// the two can never disagree about a key.

template<typename Settings> struct SectionKey
{
    const char *key;
    QString Settings::*value;
};

// clang-format off
inline constexpr SectionKey<MmsSettings> kMmsSectionKeys[] = {
    {"URL", &MmsSettings::URL},
    {"APN", &MmsSettings::APN},
    {"IP", &MmsSettings::IP},
    {"Port", &MmsSettings::Port},
    {"Phone1", &MmsSettings::Phone1},
    {"Phone2", &MmsSettings::Phone2},
    {"Phone3", &MmsSettings::Phone3},
    {"Phone4", &MmsSettings::Phone4},
    {"Phone5", &MmsSettings::Phone5},
    {"Email1", &MmsSettings::Email1},
    {"Email2", &MmsSettings::Email2},
    {"Email3", &MmsSettings::Email3},
    {"Email4", &MmsSettings::Email4},
    {"Email5", &MmsSettings::Email5},
    {"APNAccount", &MmsSettings::APNAccount},
    {"APNPassword", &MmsSettings::APNPassword},
};

inline constexpr SectionKey<SmtpSettings> kSmtpSectionKeys[] = {
    {"APN", &SmtpSettings::APN},
    {"Server", &SmtpSettings::Server},
    {"Port", &SmtpSettings::Port},
    {"Sender", &SmtpSettings::Sender},
    {"Password", &SmtpSettings::Password},
    {"Email1", &SmtpSettings::Email1},
    {"Email2", &SmtpSettings::Email2},
    {"Email3", &SmtpSettings::Email3},
    {"Email4", &SmtpSettings::Email4},
    {"Email5", &SmtpSettings::Email5},
    {"SSL", &SmtpSettings::SSL},
    {"Phone1", &SmtpSettings::Phone1},
    {"APNAccount", &SmtpSettings::APNAccount},
    {"APNPassword", &SmtpSettings::APNPassword},
};
// clang-format on
