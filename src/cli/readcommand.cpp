// read: the settings that the camera reads from a NET.CFG, as plain text.
#include "cli/commands.h"
#include "cli/output.h"
#include "netcfg/destination.h"
#include "netcfg/readnetcfg.h"
#include "netcfg/section.h"

#include <QDir>
#include <QFileInfo>

using namespace Qt::StringLiterals;

namespace cli {

namespace {

// A section as plain text: its header, then one key=value line per key, each ended by LF.
template<typename Settings> QString sectionText(const Settings &settings)
{
    QString text = sectionHeader<Settings>() + u'\n';
    for (const SectionKey<Settings> &key : Section<Settings>::keys)
        text += QLatin1String(key.key) + u'=' + settings.*key.value + u'\n';
    return text;
}

} // namespace

int readCommand(const QStringList &arguments)
{
    const QString command = u"read"_s;
    QCommandLineParser parser;
    parser.setApplicationDescription(
        u"Prints the settings that the camera reads from NET.CFG: its section, then one\n"
        "key=value line per key, passwords included."_s);
    const QCommandLineOption help = addHelp(parser);
    parser.addPositionalArgument(u"path"_s, u"NET.CFG, or the card's folder that holds it."_s);
    if (!parser.parse(arguments))
        return parseError(command, parser);
    if (parser.isSet(help)) {
        print(stdout, helpText(parser, u"read PATH"_s));
        return Done;
    }
    if (parser.positionalArguments().size() != 1)
        return usageError(command, u"name one NET.CFG, or the card's folder: read PATH."_s);
    const QString path = parser.positionalArguments().first();
    const QString file = QFileInfo(path).isDir() ? QDir(path).filePath(kNetCfgFileName) : path;

    const Result<NetCfgFile> read = ReadNetCfg(file);
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

} // namespace cli
