#include "cli/output.h"

#include "cli/console.h"

namespace cli {

void print(std::FILE *stream, const QString &text)
{
    if (console::writeToConsole(stream, text))
        return;
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

QString escaped(const QString &value)
{
    QString text;
    text.reserve(value.size());
    for (const QChar c : value) {
        if (c == u'\\')
            text += QStringLiteral("\\\\");
        else if (c.category() == QChar::Other_Control)
            text += QStringLiteral("\\x%1").arg(c.unicode(), 2, 16, QLatin1Char('0'));
        else
            text += c;
    }
    return text;
}

} // namespace cli
