#pragma once

#include "mail/mailtest.h"
#include "netcfg/settings.h"

#include <optional>

// The mail account of an SMTP section's settings: Server, Port, Sender, Password and Email 1
// to 5, with TLS from the first byte for SSL Yes and none for No. Nothing for another SSL
// value (a file's own text), which the camera's own connection would not know either.
std::optional<MailAccount> mailAccountOf(const SmtpSettings &settings);
