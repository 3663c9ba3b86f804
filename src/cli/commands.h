#pragma once

#include <QByteArray>
#include <QCommandLineParser>
#include <QList>
#include <QString>
#include <QStringList>

#include <memory>

// The commands of the command line: a class each, in a file of its own, made by the function
// that the command's row names in the table of commandline.cpp (its name, what follows it, the
// line of the help that lists it). The dispatch gives every command the same parser: -h,
// --help, the usage line, and the usage errors of an unknown option, a missing value or an
// option given twice.
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

// A command's run: its name, which its messages start with ("camera-setting-tool mms: ..."),
// its options and arguments as parsed, and the arguments as given.
struct Invocation
{
    QString command;
    const QCommandLineParser &parser;
    const Arguments &arguments;
};

// A command, made for one run on the parser, to which it adds its description, options and
// arguments. Once they are parsed (and no help was asked for), run() does the command and
// returns the exit status (cli::Status).
class Command
{
public:
    virtual ~Command() = default;
    virtual int run(const Invocation &invocation) const = 0;
};

using MakeCommand = std::unique_ptr<Command> (*)(QCommandLineParser &parser);

std::unique_ptr<Command> makeMmsCommand(QCommandLineParser &parser); // writecommand.cpp
std::unique_ptr<Command> makeSmtpCommand(QCommandLineParser &parser); // writecommand.cpp
std::unique_ptr<Command> makeTestMailCommand(QCommandLineParser &parser); // testmailcommand.cpp
std::unique_ptr<Command> makeReadCommand(QCommandLineParser &parser); // readcommand.cpp
std::unique_ptr<Command> makeCarriersCommand(QCommandLineParser &parser); // carrierscommand.cpp
std::unique_ptr<Command> makeMailProvidersCommand(QCommandLineParser &parser); // mailproviderscommand.cpp

} // namespace cli
