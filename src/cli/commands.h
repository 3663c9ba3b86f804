#pragma once

#include <QByteArray>
#include <QList>
#include <QStringList>

// The commands of the command line, one file each. Each takes the command's arguments and
// returns the exit status (cli::Status).
namespace cli {

// A command's arguments: as Qt decodes them (the program first, then what follows the
// command), and the bytes the system gave for every argument of the run, which a file name
// that is no valid text needs (empty where the system gives text, as on Windows).
struct Arguments
{
    QStringList decoded;
    QList<QByteArray> raw;

    // The bytes of an option's value as given ("--out VALUE" or "--out=VALUE"); empty when
    // there are none to go by.
    QByteArray rawValue(const QString &option, const QString &value) const;
};

int mmsCommand(const Arguments &arguments); // writecommand.cpp
int smtpCommand(const Arguments &arguments); // writecommand.cpp
int testMailCommand(const Arguments &arguments); // testmailcommand.cpp
int readCommand(const Arguments &arguments); // readcommand.cpp
int carriersCommand(const Arguments &arguments); // carrierscommand.cpp

} // namespace cli
