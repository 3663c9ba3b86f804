#include "cli/commandline.h"

#include "cli/commands.h"
#include "cli/console.h"
#include "cli/output.h"
#include "version.h"

#include <QCoreApplication>
#include <QFile>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <utility>

using namespace Qt::StringLiterals;
using namespace cli;

namespace {

const QString kHelp = u"Usage: camera-setting-tool [COMMAND [options]]\n"
                      "\n"
                      "Writes the NET.CFG network settings file of a cellular trail camera. "
                      "Without a command it\n"
                      "opens the setup windows; a command needs no display.\n"
                      "\n"
                      "Commands:\n"
                      "  mms [options] --out PATH    writes NET.CFG with an [MMS] section\n"
                      "  smtp [options] --out PATH   writes NET.CFG with an [SMTP] section\n"
                      "  test-mail [options]         sends a test e-mail with the smtp command's\n"
                      "                              mail account, as the camera would\n"
                      "  read PATH                   prints the settings that the camera reads\n"
                      "  carriers [mms|smtp] [--country NAME]\n"
                      "                              lists the countries, or a country's "
                      "operators\n"
                      "\n"
                      "Options:\n"
                      "  -h, --help     Displays this help; COMMAND --help: the command's "
                      "options.\n"
                      "  -v, --version  Displays version information.\n"
                      "\n"
                      "Exit status: 0 done, 1 NET.CFG could not be written (the card is "
                      "unchanged), 2 a usage\n"
                      "error. See camera-setting-tool(1).\n"_s;

int run(const Arguments &arguments)
{
    QCommandLineParser parser;
    // Everything after the command is the command's.
    parser.setOptionsAfterPositionalArgumentsMode(QCommandLineParser::ParseAsPositionalArguments);
    const QCommandLineOption help = addHelp(parser);
    const QCommandLineOption version = parser.addVersionOption();
    if (!parser.parse(arguments.decoded)) {
        err(kProgram + u": "_s + parser.errorText() + u" See: "_s + kProgram + u" --help"_s);
        return Usage;
    }
    const QStringList positional = parser.positionalArguments();
    if (parser.isSet(help) || (positional.isEmpty() && !parser.isSet(version))) {
        print(stdout, kHelp);
        return Done;
    }
    if (parser.isSet(version)) {
        out(kProgram + u' ' + QCoreApplication::applicationVersion());
        return Done;
    }
    const QString command = positional.first();
    const Arguments forCommand {QStringList {arguments.decoded.first()} + positional.mid(1),
                                arguments.raw};
    using Command = int (*)(const Arguments &);
    const std::pair<const char *, Command> commands[] = {
        {"mms", &mmsCommand},   {"smtp", &smtpCommand},         {"test-mail", &testMailCommand},
        {"read", &readCommand}, {"carriers", &carriersCommand},
    };
    for (const auto &[name, runCommand] : commands) {
        if (command == QLatin1StringView(name))
            return runCommand(forCommand);
    }
    err(kProgram
        + u": unknown command \"%1\". The commands are mms, smtp, test-mail, read and carriers; "
          "see: %2 --help"_s.arg(command, kProgram));
    return Usage;
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
    if (std::fflush(stdout) != 0 || std::ferror(stdout)) {
        err(kProgram + u": cannot write the output: "_s
            + QString::fromLocal8Bit(std::strerror(errno)));
        return status == Done ? Failed : status;
    }
    return status;
}
