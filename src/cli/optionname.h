#pragma once

#include <QLatin1StringView>
#include <QString>

namespace cli {

// The option of a section's key, which sets it (setupoptions.h) and names its field in a
// message (terminalhost.h): lower case, with a hyphen where a word starts ("APNAccount" is
// "apn-account", "Email1" is "email1").
QString optionName(QLatin1StringView key);

} // namespace cli
