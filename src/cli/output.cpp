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

bool outputWritten()
{
    return std::fflush(stdout) == 0 && !std::ferror(stdout);
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

QString escapedBytes(const QByteArray &bytes)
{
    QString text;
    for (qsizetype i = 0; i < bytes.size();) {
        const auto lead = static_cast<unsigned char>(bytes[i]);
        const qsizetype length = lead < 0x80 ? 1
            : (lead & 0xE0) == 0xC0          ? 2
            : (lead & 0xF0) == 0xE0          ? 3
            : (lead & 0xF8) == 0xF0          ? 4
                                             : 0;
        // One character as UTF-8 gives it, or a byte that is none.
        const QByteArray sequence = bytes.mid(i, qMax<qsizetype>(length, 1));
        const QString character = QString::fromUtf8(sequence);
        if (length > 0 && sequence.size() == length && character.toUtf8() == sequence) {
            text += escaped(character);
            i += length;
        } else {
            text += QStringLiteral("\\x%1").arg(lead, 2, 16, QLatin1Char('0'));
            ++i;
        }
    }
    return text;
}

} // namespace cli
