#include "cli/output.h"

#include "mail/safetext.h"

#include <algorithm>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace cli {

void print(std::FILE *stream, const QString &text)
{
#ifdef Q_OS_WIN
    // A console shows its own (OEM) code page, not the ANSI one of the bytes below: text goes
    // to it as text. A pipe or a file gets the bytes.
    const HANDLE console = GetStdHandle(stream == stderr ? STD_ERROR_HANDLE : STD_OUTPUT_HANDLE);
    DWORD mode = 0;
    if (GetConsoleMode(console, &mode)) {
        std::fflush(stream);
        DWORD written = 0;
        WriteConsoleW(console, reinterpret_cast<const wchar_t *>(text.utf16()), DWORD(text.size()),
                      &written, nullptr);
        return;
    }
#endif
    const QByteArray bytes = text.toLocal8Bit();
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stream);
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
    err(kProgram + (command.isEmpty() ? QString() : u' ' + command) + QStringLiteral(": ") + text);
    return Usage;
}

QCommandLineOption addHelp(QCommandLineParser &parser)
{
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Displays this help."));
    parser.addOption(help);
    return help;
}

std::optional<int> parseCommand(QCommandLineParser &parser, const QCommandLineOption &help,
                                const QString &command, const QString &usage,
                                const QStringList &arguments)
{
    const QString seeHelp
        = QStringLiteral(" See: ") + kProgram + u' ' + command + QStringLiteral(" --help");
    if (!parser.parse(arguments))
        return usageError(command, parser.errorText() + seeHelp);
    // A second value would silently replace the first: a script's mistake, not a choice.
    QStringList seen;
    for (const QString &name : parser.optionNames()) {
        if (seen.contains(name))
            return usageError(command,
                              QStringLiteral("--%1 is given more than once.").arg(name) + seeHelp);
        seen.append(name);
    }
    if (parser.isSet(help)) {
        const QString text = parser.helpText();
        // Its usage line in place of Qt's, which names the program only.
        print(stdout,
              QStringLiteral("Usage: ") + kProgram + u' ' + usage + text.mid(text.indexOf(u'\n')));
        return Done;
    }
    return std::nullopt;
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

QString escaped(const QString &value)
{
    return safeText(value); // the test e-mail's rule, which its messages follow too
}

} // namespace cli
