#pragma once

#include "netcfg/section.h"

#include <QStringView>

#include <vector>

// Whether a profile writes a group of fields: a profile that does not carry a group leaves
// those fields as they are; one that carries it overwrites them, with empty text where the
// value is empty.
enum class Carried { No, Yes };

// An operator's MMS parameters, fields named after the NET.CFG keys they feed (which window
// field holds each key is in actions/fieldmap.h). The values point at static text and stay
// valid for the whole run.
struct MmsProfile
{
    static constexpr Carried mailServer = Carried::No; // no MMS profile names a mail server

    QStringView country;
    QStringView operatorName; // empty for a country whose single profile has no operator name
    QStringView APN;
    QStringView URL;
    QStringView IP;
    QStringView Port;
    Carried credentials;
    QStringView APNAccount;
    QStringView APNPassword;
};

// An operator's data-connection parameters for the SMTP window.
struct DataProfile
{
    QStringView country;
    QStringView operatorName; // empty for a country whose single profile has no operator name
    QStringView APN;
    Carried credentials;
    QStringView APNAccount;
    QStringView APNPassword;
    Carried mailServer;
    QStringView Server;
    QStringView Port;
    QStringView SSL; // the file's value: "0" for no encryption
};

// A (country, operator) pair that has no profile of its own and is served by another
// operator's profile of the same country.
struct ProfileAlias
{
    QStringView country;
    QStringView operatorName;
    QStringView profileOperator;
};

// The fixed tables, in table order.
const std::vector<MmsProfile> &mmsProfileTable();
const std::vector<DataProfile> &dataProfileTable();
const std::vector<ProfileAlias> &dataProfileAliases();

// The profile that the window's ChooseOperator applies for these box texts, or nullptr.
// Texts are compared whole and case-sensitive. A country with a single profile gets it
// whatever the operator text is.
const MmsProfile *findMmsProfile(QStringView country, QStringView operatorName);
const DataProfile *findDataProfile(QStringView country, QStringView operatorName);

// A column of a profile table: the key it fills (netcfg/section.h) and the row's field.
template<typename Profile> struct ProfileColumn
{
    const char *key;
    QStringView Profile::*value;
};

// The profiles of each section's window: their type, their columns and their lookup.
template<typename Settings> struct Profiles;

template<> struct Profiles<MmsSettings>
{
    using Profile = MmsProfile;
    // clang-format off
    static constexpr ProfileColumn<Profile> columns[] = {
        {"APN", &Profile::APN}, {"URL", &Profile::URL}, {"IP", &Profile::IP}, {"Port", &Profile::Port},
        {"APNAccount", &Profile::APNAccount}, {"APNPassword", &Profile::APNPassword},
    };
    // clang-format on
    static const Profile *find(QStringView country, QStringView operatorName)
    {
        return findMmsProfile(country, operatorName);
    }
};

template<> struct Profiles<SmtpSettings>
{
    using Profile = DataProfile;
    // clang-format off
    static constexpr ProfileColumn<Profile> columns[] = {
        {"APN", &Profile::APN}, {"APNAccount", &Profile::APNAccount}, {"APNPassword", &Profile::APNPassword},
        {"Server", &Profile::Server}, {"Port", &Profile::Port}, {"SSL", &Profile::SSL},
    };
    // clang-format on
    static const Profile *find(QStringView country, QStringView operatorName)
    {
        return findDataProfile(country, operatorName);
    }
};
