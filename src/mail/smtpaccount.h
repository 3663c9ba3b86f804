#pragma once

#include "mail/mailtest.h"
#include "netcfg/settings.h"

#include <optional>

// The mail account of an SMTP section's settings as a setup holds them (the SSL box's text in
// SSL): Server, Port, Sender, Password and Email 1 to 5, with TLS from the first byte for
// "YES" and none for "NO". Nothing when the SSL box holds neither, which the camera's own
// connection would not know either.
std::optional<MailAccount> mailAccountOf(const SmtpSettings &settings);
