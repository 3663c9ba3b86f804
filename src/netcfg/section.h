#pragma once

#include "netcfg/settings.h"

#include <QLatin1StringView>
#include <QString>

#include <optional>

// What each NET.CFG section is: its name (the header is the name in brackets) and its keys in
// the order the camera reads them, each with the settings member it is written from and read
// into, and which part of an operator's profile fills it. Composing, reading back, the carrier
// steps, the windows' field maps and the command line's options all go by these rows: a new
// key is one row here (and its member in settings.h).

// Which of an operator's profile values fills a key.
enum class Filled {
    ByUser, // none: the user's own (recipients, the sender's mail account)
    ByProfile, // every profile
    ByProfileCredentials, // a profile that carries the access point's credentials
    ByProfileMailServer, // a profile that carries a mail server
};

// Whether the setting mode offers or hides a key's field: a key that an operator's profile
// fills, but for a mail server, which stays the user's to type in either mode.
constexpr bool isConnectionKey(Filled filled)
{
    return filled == Filled::ByProfile || filled == Filled::ByProfileCredentials;
}

template<typename Settings> struct SectionKey
{
    const char *key;
    QString Settings::*value;
    Filled filled;
};

template<typename Settings> struct Section;

template<> struct Section<MmsSettings>
{
    static constexpr QLatin1StringView name {"MMS"};
    // clang-format off
    static constexpr SectionKey<MmsSettings> keys[] = {
        {"URL",         &MmsSettings::URL,         Filled::ByProfile},
        {"APN",         &MmsSettings::APN,         Filled::ByProfile},
        {"IP",          &MmsSettings::IP,          Filled::ByProfile},
        {"Port",        &MmsSettings::Port,        Filled::ByProfile},
        {"Phone1",      &MmsSettings::Phone1,      Filled::ByUser},
        {"Phone2",      &MmsSettings::Phone2,      Filled::ByUser},
        {"Phone3",      &MmsSettings::Phone3,      Filled::ByUser},
        {"Phone4",      &MmsSettings::Phone4,      Filled::ByUser},
        {"Phone5",      &MmsSettings::Phone5,      Filled::ByUser},
        {"Email1",      &MmsSettings::Email1,      Filled::ByUser},
        {"Email2",      &MmsSettings::Email2,      Filled::ByUser},
        {"Email3",      &MmsSettings::Email3,      Filled::ByUser},
        {"Email4",      &MmsSettings::Email4,      Filled::ByUser},
        {"Email5",      &MmsSettings::Email5,      Filled::ByUser},
        {"APNAccount",  &MmsSettings::APNAccount,  Filled::ByProfileCredentials},
        {"APNPassword", &MmsSettings::APNPassword, Filled::ByProfileCredentials},
    };
    // clang-format on
};

template<> struct Section<SmtpSettings>
{
    static constexpr QLatin1StringView name {"SMTP"};
    // clang-format off
    static constexpr SectionKey<SmtpSettings> keys[] = {
        {"APN",         &SmtpSettings::APN,         Filled::ByProfile},
        {"Server",      &SmtpSettings::Server,      Filled::ByProfileMailServer},
        {"Port",        &SmtpSettings::Port,        Filled::ByProfileMailServer},
        {"Sender",      &SmtpSettings::Sender,      Filled::ByUser},
        {"Password",    &SmtpSettings::Password,    Filled::ByUser},
        {"Email1",      &SmtpSettings::Email1,      Filled::ByUser},
        {"Email2",      &SmtpSettings::Email2,      Filled::ByUser},
        {"Email3",      &SmtpSettings::Email3,      Filled::ByUser},
        {"Email4",      &SmtpSettings::Email4,      Filled::ByUser},
        {"Email5",      &SmtpSettings::Email5,      Filled::ByUser},
        {"SSL",         &SmtpSettings::SSL,         Filled::ByProfileMailServer},
        {"Phone1",      &SmtpSettings::Phone1,      Filled::ByUser},
        {"APNAccount",  &SmtpSettings::APNAccount,  Filled::ByProfileCredentials},
        {"APNPassword", &SmtpSettings::APNPassword, Filled::ByProfileCredentials},
    };
    // clang-format on
};

// The section's header line, without its line end: "[MMS]".
template<typename Settings> QString sectionHeader()
{
    return u'[' + QString(Section<Settings>::name) + u']';
}

// The SMTP section's SSL key. The SSL box offers "YES" and "NO", which the file holds as "1"
// and "0"; an operator's profile gives the box's text. Any other text of the box writes the
// value last written in this run (SslValue), which a read of a file sets too. A box that still
// shows what a read put there writes the file's value as it was read.
inline const QString kSslYes = QStringLiteral("YES");
inline const QString kSslNo = QStringLiteral("NO");

struct SslValue
{
    QString text; // the file's value; empty until something sets it
};

// The file's value for the box's text: "1" for "YES", "0" for "NO"; any other text keeps
// ssl's value. But while the box shows sslBoxText(*read), the text that reading the value
// *read put there, the value is *read itself ("YES", "NO", "2", empty). Sets ssl to the result.
QString sslFileValue(const QString &boxText, SslValue &ssl,
                     const std::optional<QString> &read = std::nullopt);

// The box's text for a file's value: "YES" for "1", "NO" for "0", any other value as it is.
QString sslBoxText(const QString &fileValue);
