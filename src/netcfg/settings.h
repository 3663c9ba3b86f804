#pragma once

#include "netcfg/ssl.h"

#include <QString>

// The settings of one NET.CFG section. Each member is named after the file key it is
// written under and holds the window field's text exactly as typed: nothing is trimmed,
// validated or escaped; the SSL choice is a value of its own.

struct MmsSettings
{
    QString URL;
    QString APN;
    QString IP;
    QString Port;
    QString Phone1, Phone2, Phone3, Phone4, Phone5;
    QString Email1, Email2, Email3, Email4, Email5;
    QString APNAccount;
    QString APNPassword;
};

struct SmtpSettings
{
    QString APN;
    QString Server;
    QString Port;
    QString Sender;
    QString Password;
    QString Email1, Email2, Email3, Email4, Email5;
    Ssl SSL;
    QString Phone1;
    QString APNAccount;
    QString APNPassword;
};
