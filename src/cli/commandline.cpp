#include "cli/commandline.h"

#include "cli/commands.h"
#include "cli/output.h"
#include "version.h"

#include <QCoreApplication>

#include <cstring>

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

int run(const QStringList &arguments)
{
    QCommandLineParser parser;
    // Everything after the command is the command's.
    parser.setOptionsAfterPositionalArgumentsMode(QCommandLineParser::ParseAsPositionalArguments);
    const QCommandLineOption help = addHelp(parser);
    const QCommandLineOption version = parser.addVersionOption();
    if (!parser.parse(arguments)) {
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
    const QStringList commandArguments = QStringList {arguments.first()} + positional.mid(1);
    if (command == u"mms")
        return mmsCommand(commandArguments);
    if (command == u"smtp")
        return smtpCommand(commandArguments);
    if (command == u"read")
        return readCommand(commandArguments);
    if (command == u"carriers")
        return carriersCommand(commandArguments);
    err(kProgram
        + u": unknown command \"%1\". The commands are mms, smtp, read and carriers; "
          "see: %2 --help"_s.arg(command, kProgram));
    return Usage;
}

} // namespace

bool isCommandLine(int argc, const char *const argv[])
{
    if (argc < 2)
        return false;
    const char *first = argv[1];
    if (first[0] != '-')
        return true;
    for (const char *option : {"-h", "--help", "-v", "--version"}) {
        if (std::strcmp(first, option) == 0)
            return true;
    }
    return false;
}

int runCommandLine(int argc, char *argv[])
{
    // QtCore's application only: it decodes the arguments and loads no platform plugin.
    QCoreApplication application(argc, argv);
    QCoreApplication::setApplicationName(kProgram);
    QCoreApplication::setApplicationVersion(QStringLiteral(CST_VERSION));
    return run(QCoreApplication::arguments());
}
