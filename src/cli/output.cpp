#include "cli/output.h"

#include <algorithm>

namespace cli {

void print(std::FILE *stream, const QString &text)
{
    std::fputs(text.toLocal8Bit().constData(), stream);
}

void out(const QString &text)
{
    print(stdout, text + u'\n');
}

void err(const QString &text)
{
    print(stderr, text + u'\n');
}

int usageError(const QString &command, const QString &text)
{
    err(kProgram + u' ' + command + QStringLiteral(": ") + text);
    return Usage;
}

int parseError(const QString &command, const QCommandLineParser &parser)
{
    return usageError(command,
                      parser.errorText() + QStringLiteral(" See: ") + kProgram + u' ' + command
                          + QStringLiteral(" --help"));
}

QCommandLineOption addHelp(QCommandLineParser &parser)
{
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Displays this help."));
    parser.addOption(help);
    return help;
}

QString helpText(const QCommandLineParser &parser, const QString &usage)
{
    const QString text = parser.helpText();
    return QStringLiteral("Usage: ") + kProgram + u' ' + usage + text.mid(text.indexOf(u'\n'));
}

std::optional<QString> findName(const QStringList &names, const QString &name)
{
    if (names.contains(name))
        return name;
    QStringList matches;
    for (const QString &candidate : names) {
        if (candidate.compare(name, Qt::CaseInsensitive) == 0)
            matches.append(candidate);
    }
    return matches.size() == 1 ? std::optional(matches.first()) : std::nullopt;
}

const CountryEntry *findCountry(const CountryTable &table, const QString &name)
{
    const std::optional<QString> found = findName(countryNames(table), name);
    if (!found)
        return nullptr;
    return &*std::find_if(table.begin(), table.end(),
                          [&](const CountryEntry &entry) { return entry.name == *found; });
}

} // namespace cli
