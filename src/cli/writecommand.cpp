// mms and smtp: a setup built from the options, through the windows' carrier steps, then
// Generate, as the window's own.
#include "actions/generate.h"
#include "cli/commands.h"
#include "cli/outpath.h"
#include "cli/output.h"
#include "cli/setupoptions.h"
#include "cli/terminalhost.h"
#include "netcfg/section.h"

using namespace Qt::StringLiterals;

namespace cli {

namespace {

template<typename Settings> int writeCommand(const Arguments &arguments)
{
    const QString command = QString(Section<Settings>::name).toLower();
    QCommandLineParser parser;
    parser.setApplicationDescription(
        u"Writes NET.CFG with the %1 section, as the %2 window's Generate does."_s.arg(
            sectionHeader<Settings>(), command.toUpper()));
    const QCommandLineOption help = addHelp(parser);
    const SetupOptions<Settings> options(parser);
    const QCommandLineOption out(u"out"_s,
                                 u"The card's folder, which gets PATH/NET.CFG, or the NET.CFG "
                                 "file in it."_s,
                                 u"path"_s);
    parser.addOption(out);

    if (const std::optional<int> status = parseCommand(
            parser, help, command, command + u" [options] --out PATH"_s, arguments.decoded))
        return *status;
    if (!parser.isSet(out)) {
        return usageError(command,
                          u"--out PATH is missing: name the card's folder, or the NET.CFG "
                          "file on it."_s);
    }
    const Result<SetupModel<Settings>> setup = options.setup(parser);
    if (!setup)
        return usageError(command, setup.reason());
    const QString value = parser.value(out);
    const Result<QString> path = enterFolderOfRawPath(value, arguments.rawValue(u"--out"_s, value));
    if (!path)
        return usageError(command, path.reason());
    const Result<QString> pathText = pathFieldForOut(*path, value);
    if (!pathText)
        return usageError(command, pathText.reason());

    TerminalHost host;
    SslValue fresh;
    StoredFileWriter writer;
    return Generate(host, fileSettings(*setup, fresh), *pathText, writer) ? Done : Failed;
}

} // namespace

int mmsCommand(const Arguments &arguments)
{
    return writeCommand<MmsSettings>(arguments);
}

int smtpCommand(const Arguments &arguments)
{
    return writeCommand<SmtpSettings>(arguments);
}

} // namespace cli
