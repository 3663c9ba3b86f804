#pragma once

#include <QLatin1StringView>
#include <QStringList>

// The commands of the command line, one file each. Each takes its arguments (the program's
// name first) and returns the exit status (cli::Status).
namespace cli {

int mmsCommand(const QStringList &arguments); // writecommand.cpp
int smtpCommand(const QStringList &arguments); // writecommand.cpp
int readCommand(const QStringList &arguments); // readcommand.cpp
int carriersCommand(const QStringList &arguments); // carrierscommand.cpp

// The option of a section's key: lower case, with a hyphen where a word starts
// ("APNAccount" is "apn-account", "Email1" is "email1").
QString optionName(QLatin1StringView key);

} // namespace cli
