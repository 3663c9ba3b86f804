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
