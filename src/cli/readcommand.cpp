// read: the settings that the camera reads from a NET.CFG, as plain text.
#include "cli/commands.h"
#include "cli/output.h"
#include "netcfg/destination.h"
#include "netcfg/netcfg.h"
#include "netcfg/readnetcfg.h"
#include "netcfg/section.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

using namespace Qt::StringLiterals;

namespace cli {

namespace {

// A section as plain text: its header, then one key=value line per key, each ended by LF;
// every value escaped for the terminal, so that no byte of the file acts on it.
template<typename Settings> QString sectionText(const Settings &settings)
{
    QString text = sectionHeader<Settings>() + u'\n';
    for (const SectionKey<Settings> &key : Section<Settings>::keys)
        text += key.key() + u'=' + escaped(key.fileValue(settings)) + u'\n';
    return text;
}

// A stored form piped in: one byte more than the camera reads tells one that is too long.
Result<NetCfgFile> readStandardInput()
{
    QFile input;
    if (!input.open(stdin, QIODevice::ReadOnly))
        return Failure {u"Cannot read the standard input: %1"_s.arg(input.errorString())};
    const QByteArray stored = input.read(kMaxPlainFormSize + 1);
    if (input.error() != QFileDevice::NoError)
        return Failure {u"Cannot read the standard input: %1"_s.arg(input.errorString())};
    return ParseNetCfg(stored);
}

class ReadCommand final : public Command
{
public:
    explicit ReadCommand(QCommandLineParser &parser);
    int run(const Invocation &invocation) const override;
};

ReadCommand::ReadCommand(QCommandLineParser &parser)
{
    parser.setApplicationDescription(
        u"Prints the settings that the camera reads from NET.CFG: its section, then one\n"
        "key=value line per key, passwords included. A backslash is shown as \\\\ and a\n"
        "control character as \\xHH (NUL as \\x00, ESC as \\x1b)."_s);
    parser.addPositionalArgument(
        u"path"_s, u"NET.CFG, the card's folder that holds it, or - for standard input."_s);
}

int ReadCommand::run(const Invocation &invocation) const
{
    const QStringList paths = invocation.parser.positionalArguments();
    if (paths.size() != 1 || paths.first().isEmpty())
        return usageError(invocation.command,
                          u"name one NET.CFG, the card's folder, or - for standard input: "
                          "read PATH."_s);
    const QString path = paths.first();

    const Result<NetCfgFile> read = path == u"-" ? readStandardInput()
        : QFileInfo(path).isDir()                ? ReadNetCfg(QDir(path).filePath(kNetCfgFileName))
                                                 : ReadNetCfg(path);
    if (!read) {
        err(read.reason());
        return Failed;
    }
    std::visit([](const auto &settings) { print(stdout, sectionText(settings)); }, read->settings);
    if (!read->repeatedKeys.isEmpty())
        err(kProgram
            + u" read: NET.CFG gives %1 more than once; the first line of each counts."_s.arg(
                read->repeatedKeys.join(u", "_s)));
    return Done;
}

} // namespace

std::unique_ptr<Command> makeReadCommand(QCommandLineParser &parser)
{
    return std::make_unique<ReadCommand>(parser);
}

} // namespace cli
