#pragma once

#include <QStringView>

#include <vector>

// Whether a profile writes a group of fields: a profile that does not carry a group leaves
// those fields as they are; one that carries it overwrites them, with empty text where the
// value is empty.
enum class Carried { No, Yes };

// An operator's MMS parameters, fields named after the NET.CFG keys they feed (which window
// field holds each key is in netcfg/fieldmap.h). The values point at static text and stay
// valid for the whole run.
struct MmsProfile
{
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
    QStringView SSL;
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
