#pragma once

#include "netcfg/settings.h"

#include <QLatin1StringView>
#include <QString>

#include <variant>

// What each NET.CFG section is: its name (the header is the name in brackets) and its keys in
// the order the camera reads them, each a row that says everything about its key. Composing,
// reading back, Generate's reminders and question, the carrier steps, the windows' field maps
// and the command line's options all go by these rows: a new key is one row here (and its
// member in settings.h).

// What a key's value is.
enum class KeyKind {
    Text,
    Port,
    Phone,
    Email,
    Secret, // a password: the command line takes it from a file too (--...-file)
    Ssl, // the SSL choice (netcfg/ssl.h)
};

// Which of an operator's profile values fills a key.
enum class Filled {
    ByUser, // none: the user's own (recipients, the sender's mail account)
    ByProfile, // every profile
    ByProfileCredentials, // a profile that carries the access point's credentials
    ByProfileMailServer, // a profile that carries a mail server
};

// What the camera does without a key's value.
enum class Need {
    Optional,
    Expected, // it sends nowhere: Generate reminds the user, and writes the file anyway
    ToConnect, // it cannot connect: Generate asks before it writes the value empty
};

// Whether the setting mode offers or hides a key's field: a key that an operator's profile
// fills, but for a mail server, which stays the user's to type in either mode.
constexpr bool isConnectionKey(Filled filled)
{
    return filled == Filled::ByProfile || filled == Filled::ByProfileCredentials;
}

// The settings member that holds a key's value.
template<typename Settings> using KeyMember = std::variant<QString Settings::*, Ssl Settings::*>;

template<typename Settings> struct SectionKey
{
    const char *name; // as the file spells it
    KeyMember<Settings> member;
    KeyKind kind;
    Filled filled;
    Need need;

    QLatin1StringView key() const { return QLatin1StringView(name); }

    // The text after "name=" in the file, and the value that such a text gives.
    QString fileValue(const Settings &settings) const
    {
        if (const auto text = std::get_if<QString Settings::*>(&member))
            return settings.**text;
        return (settings.*std::get<Ssl Settings::*>(member)).fileValue();
    }
    void setFileValue(Settings &settings, const QString &value) const
    {
        if (const auto text = std::get_if<QString Settings::*>(&member))
            settings.**text = value;
        else
            settings.*std::get<Ssl Settings::*>(member) = Ssl::ofFile(value);
    }

    bool isEmpty(const Settings &settings) const { return fileValue(settings).isEmpty(); }
    bool same(const Settings &a, const Settings &b) const
    {
        return std::visit([&](auto value) { return a.*value == b.*value; }, member);
    }
    void copy(const Settings &from, Settings &to) const
    {
        std::visit([&](auto value) { to.*value = from.*value; }, member);
    }
    void clear(Settings &settings) const
    {
        std::visit([&](auto value) { settings.*value = {}; }, member);
    }
};

template<typename Settings> struct Section;

// The row of the key that member holds.
template<typename Settings> const SectionKey<Settings> &keyOf(const KeyMember<Settings> &member)
{
    for (const SectionKey<Settings> &key : Section<Settings>::keys) {
        if (key.member == member)
            return key;
    }
    qFatal("A settings member without a key");
}

template<> struct Section<MmsSettings>
{
    static constexpr QLatin1StringView name {"MMS"};
    using S = MmsSettings;
    // clang-format off
    static constexpr SectionKey<S> keys[] = {
        {"URL",         &S::URL,          KeyKind::Text,    Filled::ByProfile,             Need::ToConnect},
        {"APN",         &S::APN,          KeyKind::Text,    Filled::ByProfile,             Need::ToConnect},
        {"IP",          &S::IP,           KeyKind::Text,    Filled::ByProfile,             Need::ToConnect},
        {"Port",        &S::Port,         KeyKind::Port,    Filled::ByProfile,             Need::ToConnect},
        {"Phone1",      &S::Phone1,       KeyKind::Phone,   Filled::ByUser,                Need::Expected},
        {"Phone2",      &S::Phone2,       KeyKind::Phone,   Filled::ByUser,                Need::Optional},
        {"Phone3",      &S::Phone3,       KeyKind::Phone,   Filled::ByUser,                Need::Optional},
        {"Phone4",      &S::Phone4,       KeyKind::Phone,   Filled::ByUser,                Need::Optional},
        {"Phone5",      &S::Phone5,       KeyKind::Phone,   Filled::ByUser,                Need::Optional},
        {"Email1",      &S::Email1,       KeyKind::Email,   Filled::ByUser,                Need::Expected},
        {"Email2",      &S::Email2,       KeyKind::Email,   Filled::ByUser,                Need::Optional},
        {"Email3",      &S::Email3,       KeyKind::Email,   Filled::ByUser,                Need::Optional},
        {"Email4",      &S::Email4,       KeyKind::Email,   Filled::ByUser,                Need::Optional},
        {"Email5",      &S::Email5,       KeyKind::Email,   Filled::ByUser,                Need::Optional},
        {"APNAccount",  &S::APNAccount,   KeyKind::Text,    Filled::ByProfileCredentials,  Need::Optional},
        {"APNPassword", &S::APNPassword,  KeyKind::Secret,  Filled::ByProfileCredentials,  Need::Optional},
    };
    // clang-format on
};

template<> struct Section<SmtpSettings>
{
    static constexpr QLatin1StringView name {"SMTP"};
    using S = SmtpSettings;
    // clang-format off
    static constexpr SectionKey<S> keys[] = {
        {"APN",         &S::APN,          KeyKind::Text,    Filled::ByProfile,             Need::ToConnect},
        {"Server",      &S::Server,       KeyKind::Text,    Filled::ByProfileMailServer,   Need::ToConnect},
        {"Port",        &S::Port,         KeyKind::Port,    Filled::ByProfileMailServer,   Need::ToConnect},
        {"Sender",      &S::Sender,       KeyKind::Email,   Filled::ByUser,                Need::ToConnect},
        {"Password",    &S::Password,     KeyKind::Secret,  Filled::ByUser,                Need::Optional},
        {"Email1",      &S::Email1,       KeyKind::Email,   Filled::ByUser,                Need::Expected},
        {"Email2",      &S::Email2,       KeyKind::Email,   Filled::ByUser,                Need::Optional},
        {"Email3",      &S::Email3,       KeyKind::Email,   Filled::ByUser,                Need::Optional},
        {"Email4",      &S::Email4,       KeyKind::Email,   Filled::ByUser,                Need::Optional},
        {"Email5",      &S::Email5,       KeyKind::Email,   Filled::ByUser,                Need::Optional},
        {"SSL",         &S::SSL,          KeyKind::Ssl,     Filled::ByProfileMailServer,   Need::Optional},
        {"Phone1",      &S::Phone1,       KeyKind::Phone,   Filled::ByUser,                Need::Expected},
        {"APNAccount",  &S::APNAccount,   KeyKind::Text,    Filled::ByProfileCredentials,  Need::Optional},
        {"APNPassword", &S::APNPassword,  KeyKind::Secret,  Filled::ByProfileCredentials,  Need::Optional},
    };
    // clang-format on
};

// The section's header line, without its line end: "[MMS]".
template<typename Settings> QString sectionHeader()
{
    return u'[' + QString(Section<Settings>::name) + u']';
}
