#include "cli/commandline.h"

#include "cli/commands.h"
#include "cli/console.h"
#include "cli/output.h"
#include "netcfg/listing.h"
#include "version.h"

#include <QCoreApplication>
#include <QFile>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>

using namespace Qt::StringLiterals;
using namespace cli;

namespace {

// A command of the command line: what the user types, the usage lines and the help's list
// show, and the function that makes its class (commands.h) with its options.
struct CommandRow
{
    QLatin1StringView name;
    QLatin1StringView arguments; // what follows the name in its usage
    QLatin1StringView summary; // its entry in the help's list, which wraps it
    MakeCommand make;
};

// The commands, in the help's order: the help's list, the dispatch and the message for an
// unknown command all go by these rows.
// clang-format off
const CommandRow kCommands[] = {
    {"mms"_L1,            "[options] --out PATH"_L1,        "writes NET.CFG with an [MMS] section"_L1,                                          &makeMmsCommand},
    {"smtp"_L1,           "[options] --out PATH"_L1,        "writes NET.CFG with an [SMTP] section"_L1,                                         &makeSmtpCommand},
    {"test-mail"_L1,      "[options]"_L1,                   "sends a test e-mail with the smtp command's mail account, as the camera would"_L1, &makeTestMailCommand},
    {"read"_L1,           "PATH"_L1,                        "prints the settings that the camera reads"_L1,                                     &makeReadCommand},
    {"carriers"_L1,       "[mms|smtp] [--country NAME]"_L1, "lists the countries, or a country's operators"_L1,                                 &makeCarriersCommand},
    {"mail-providers"_L1, "[DOMAIN]"_L1,                    "lists the mail providers that --sender knows, or a domain's"_L1,                   &makeMailProvidersCommand},
};
// clang-format on

// "mms [options] --out PATH".
QString usage(const CommandRow &row)
{
    return row.arguments.isEmpty() ? QString(row.name) : row.name + u' ' + row.arguments;
}

// The help's list of commands: each one's usage, and its summary from a column of its own
// (beneath the usage where that leaves no room), its words wrapped to the width of the
// help's lists.
QString commandList()
{
    constexpr qsizetype kSummaryColumn = 30;
    constexpr qsizetype kWidth = 75;
    QString text;
    for (const CommandRow &row : kCommands) {
        QString line = u"  "_s + usage(row);
        if (line.size() + 2 > kSummaryColumn) {
            text += line + u'\n';
            line.clear();
        }
        line = line.leftJustified(kSummaryColumn);
        QString separator;
        for (const QString &word : QString(row.summary).split(u' ')) {
            if (line.size() + separator.size() + word.size() > kWidth) {
                text += line + u'\n';
                line = QString(kSummaryColumn, u' ');
                separator.clear();
            }
            line += separator + word;
            separator = u" "_s;
        }
        text += line + u'\n';
    }
    return text;
}

QString help()
{
    return u"Usage: camera-setting-tool [COMMAND [options]]\n"
           "\n"
           "Writes the NET.CFG network settings file of a cellular trail camera. Without a "
           "command it\n"
           "opens the setup windows; a command needs no display.\n"
           "\n"
           "Commands:\n"_s
        + commandList()
        + u"\n"
          "Options:\n"
          "  -h, --help     Displays this help; COMMAND --help: the command's options.\n"
          "  -v, --version  Displays version information.\n"
          "\n"
          "Exit status: 0 done, 1 NET.CFG could not be written (the card is unchanged), 2 a "
          "usage\n"
          "error, 3 NET.CFG was written but the output could not be. See "
          "camera-setting-tool(1).\n"_s;
}

QString seeHelp(const QString &command)
{
    return u" See: "_s + kProgram + (command.isEmpty() ? QString() : u' ' + command) + u" --help"_s;
}

// -h, --help.
QCommandLineOption addHelp(QCommandLineParser &parser)
{
    const QCommandLineOption help({u"h"_s, u"help"_s}, u"Displays this help."_s);
    parser.addOption(help);
    return help;
}

// A command of the table on the arguments that follow its name. An unknown option, a missing
// value or an option given twice is a usage error; help prints the command's help under its
// usage line.
int runCommand(const CommandRow &row, const Arguments &arguments)
{
    const QString name = row.name;
    QCommandLineParser parser;
    const QCommandLineOption help = addHelp(parser);
    const std::unique_ptr<Command> command = row.make(parser);
    if (!parser.parse(arguments.decoded))
        return usageError(name, parser.errorText() + seeHelp(name));
    // A second value would silently replace the first: a script's mistake, not a choice.
    QStringList seen;
    for (const QString &option : parser.optionNames()) {
        if (seen.contains(option))
            return usageError(name, u"--%1 is given more than once."_s.arg(option) + seeHelp(name));
        seen.append(option);
    }
    if (parser.isSet(help)) {
        const QString text = parser.helpText();
        // Its usage line in place of Qt's, which names the program only.
        print(stdout, u"Usage: "_s + kProgram + u' ' + usage(row) + text.mid(text.indexOf(u'\n')));
        return Done;
    }
    return command->run({name, parser, arguments});
}

int run(const Arguments &arguments)
{
    QCommandLineParser parser;
    // Everything after the command is the command's.
    parser.setOptionsAfterPositionalArgumentsMode(QCommandLineParser::ParseAsPositionalArguments);
    const QCommandLineOption helpOption = addHelp(parser);
    const QCommandLineOption version = parser.addVersionOption();
    if (!parser.parse(arguments.decoded))
        return usageError(QString(), parser.errorText() + seeHelp(QString()));
    const QStringList positional = parser.positionalArguments();
    if (parser.isSet(helpOption) || (positional.isEmpty() && !parser.isSet(version))) {
        print(stdout, help());
        return Done;
    }
    if (parser.isSet(version)) {
        out(kProgram + u' ' + QCoreApplication::applicationVersion());
        return Done;
    }
    const QString command = positional.first();
    const Arguments forCommand {QStringList {arguments.decoded.first()} + positional.mid(1),
                                arguments.raw};
    QStringList names;
    for (const CommandRow &row : kCommands) {
        if (command == row.name)
            return runCommand(row, forCommand);
        names.append(row.name);
    }
    return usageError(QString(),
                      u"unknown command \"%1\". The commands are %2; see: %3 --help"_s.arg(
                          command, listed(names), kProgram));
}

// Qt's own options for a program with windows (QApplication's and the platforms'), with one
// or two dashes and their value after a space or "=".
bool isWindowOption(QByteArrayView argument)
{
    static const char *const kOptions[] = {
        "platform",      "platformpluginpath",
        "platformtheme", "plugin",
        "qmljsdebugger", "qwindowgeometry",
        "qwindowicon",   "qwindowtitle",
        "reverse",       "session",
        "display",       "geometry",
        "style",         "stylesheet",
        "widgetcount",   "nograb",
        "dograb",        "name",
        "title",         "visual",
    };
    if (!argument.startsWith('-'))
        return false;
    QByteArrayView name = argument.sliced(argument.startsWith("--") ? 2 : 1);
    if (const qsizetype equals = name.indexOf('='); equals >= 0)
        name = name.first(equals);
    for (const char *option : kOptions) {
        if (name == option)
            return true;
    }
    return false;
}

} // namespace

QByteArray Arguments::rawValue(const QString &option, const QString &value) const
{
    const QByteArray prefix = option.toLatin1() + '=';
    for (qsizetype i = 0; i < raw.size(); ++i) {
        const QByteArray &argument = raw.at(i);
        if (argument.startsWith(prefix) && QFile::decodeName(argument.mid(prefix.size())) == value)
            return argument.mid(prefix.size());
        if (i > 0 && raw.at(i - 1) == option.toLatin1() && QFile::decodeName(argument) == value)
            return argument;
    }
    return {};
}

bool opensWindows(int argc, const char *const argv[])
{
    return argc < 2 || isWindowOption(argv[1]);
}

std::optional<QString> whyNoWindows(int argc, const char *const argv[])
{
    if (!console::displayMissing(argc, argv))
        return std::nullopt;
    return kProgram
        + u": there is no display to open the windows on (neither DISPLAY nor WAYLAND_DISPLAY "
          "is set). On a computer without a desktop, use a command; see: %1 --help"_s.arg(kProgram);
}

int runCommandLine(int argc, char *argv[])
{
    // QtCore's application only: it decodes the arguments and loads no platform plugin.
    QCoreApplication application(argc, argv);
    QCoreApplication::setApplicationName(kProgram);
    QCoreApplication::setApplicationVersion(QStringLiteral(CST_VERSION));
    console::readInputAsBytes();
    const Arguments arguments {QCoreApplication::arguments(), console::argumentBytes(argc, argv)};
    const int status = run(arguments);
    // Output that could not be written (a full disk, a closed pipe) is no success.
    if (status != WrittenUntold && !outputWritten()) {
        err(kProgram + u": cannot write the output: "_s
            + QString::fromLocal8Bit(std::strerror(errno)));
        return status == Done ? Failed : status;
    }
    return status;
}
