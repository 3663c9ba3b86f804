#pragma once

#include "mail/mailtest.h"

#include <QByteArray>
#include <QLatin1StringView>
#include <QList>
#include <QString>

// What the account check, the dialogue and the diagnosis share: the account's values with
// their NET.CFG keys, their names in messages, and the bytes the camera sends for them.

struct AccountValue
{
    QLatin1StringView key; // "Server", "Password", "Email3"
    QString value;
};

// Server, Port, Sender, Password and Email1 to Email5, each with the account's value (an
// empty one for a recipient the account lacks).
QList<AccountValue> accountValues(const MailAccount &account);

// The filled recipients, in order.
QStringList filledRecipients(const MailAccount &account);

// The field of a key as the messages name it (MailTestOptions::nameOf).
QString fieldName(const MailTestOptions &options, QLatin1StringView key);

// A value as the camera sends it: the bytes that NET.CFG holds for it.
QByteArray cameraBytes(const QString &value);

// The characters of value outside ASCII, each once, quoted and listed: "\"é\" and \"ß\"";
// empty for plain ASCII.
QString lettersOutsideAscii(const QString &value);

// The name of the file's code page, for messages: "Windows-1252". One file per platform.
QString fileCodePageName();
