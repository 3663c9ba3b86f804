// mms and smtp: a setup built from the options, through the windows' carrier steps, then
// Generate, as the window's own.
#include "actions/generate.h"
#include "cli/commands.h"
#include "cli/outpath.h"
#include "cli/output.h"
#include "cli/setupoptions.h"
#include "cli/terminalhost.h"
#include "netcfg/section.h"

#include <cerrno>
#include <cstring>

using namespace Qt::StringLiterals;

namespace cli {

namespace {

template<typename Settings> class WriteCommand final : public Command
{
public:
    explicit WriteCommand(QCommandLineParser &parser);
    int run(const Invocation &invocation) const override;

private:
    SetupOptions<Settings> m_options;
    QCommandLineOption m_out;
};

template<typename Settings>
WriteCommand<Settings>::WriteCommand(QCommandLineParser &parser)
    : m_options(parser, ProviderWarning::AskedByGenerate)
    , m_out(u"out"_s, u"The card's folder, which gets PATH/NET.CFG, or the NET.CFG file in it."_s,
            u"path"_s)
{
    parser.setApplicationDescription(
        u"Writes NET.CFG with the %1 section, as the %2 window's Generate does."_s.arg(
            sectionHeader<Settings>(), QString(Section<Settings>::name)));
    parser.addOption(m_out);
}

template<typename Settings> int WriteCommand<Settings>::run(const Invocation &invocation) const
{
    const QString &command = invocation.command;
    const QCommandLineParser &parser = invocation.parser;
    if (!parser.isSet(m_out)) {
        return usageError(command,
                          u"--out PATH is missing: name the card's folder, or the NET.CFG "
                          "file on it."_s);
    }
    const Result<SetupModel<Settings>> setup = m_options.setup(parser);
    if (!setup)
        return usageError(command, setup.reason());
    const QString value = parser.value(m_out);
    const QByteArray raw = invocation.arguments.rawValue(u"--out"_s, value);
    const Result<QString> path = enterFolderOfRawPath(value, raw);
    if (!path)
        return usageError(command, path.reason());
    const Result<QString> pathText = pathFieldForOut(*path, shownOutPath(value, raw));
    if (!pathText)
        return usageError(command, pathText.reason());

    TerminalHost host;
    StoredFileWriter writer;
    if (!Generate(host, *setup, *pathText, writer))
        return Failed;
    // Status 1 would say that the card is as it was.
    if (!outputWritten()) {
        err(kProgram + u' ' + command
            + u": NET.CFG was written, but its success could not be told: "_s
            + QString::fromLocal8Bit(std::strerror(errno)));
        return WrittenUntold;
    }
    return Done;
}

} // namespace

std::unique_ptr<Command> makeMmsCommand(QCommandLineParser &parser)
{
    return std::make_unique<WriteCommand<MmsSettings>>(parser);
}

std::unique_ptr<Command> makeSmtpCommand(QCommandLineParser &parser)
{
    return std::make_unique<WriteCommand<SmtpSettings>>(parser);
}

} // namespace cli
