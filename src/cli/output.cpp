#include "cli/output.h"

#include "cli/console.h"
#include "mail/safetext.h"

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

// The test e-mail's rule, which its messages follow too.
QString escaped(const QString &value)
{
    return safeText(value);
}

QString escapedBytes(const QByteArray &bytes)
{
    return safeBytes(bytes);
}

} // namespace cli
