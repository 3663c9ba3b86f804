#include "cli/console.h"

#include <QFileInfo>

#include <fcntl.h>
#include <io.h>
#include <windows.h>

namespace cli::console {

QList<QByteArray> argumentBytes(int, char *[])
{
    return {};
}

void readInputAsBytes()
{
    _setmode(_fileno(stdin), _O_BINARY);
}

bool writeToConsole(std::FILE *stream, const QString &text)
{
    const HANDLE console = GetStdHandle(stream == stderr ? STD_ERROR_HANDLE : STD_OUTPUT_HANDLE);
    DWORD mode = 0;
    if (!GetConsoleMode(console, &mode))
        return false;
    std::fflush(stream);
    DWORD written = 0;
    WriteConsoleW(console, reinterpret_cast<const wchar_t *>(text.utf16()), DWORD(text.size()),
                  &written, nullptr);
    return true;
}

bool displayMissing(int, const char *const[])
{
    return false;
}

QString notASecretFile(const QString &path)
{
    return QFileInfo(path).isDir() ? QStringLiteral("is a folder") : QString();
}

QString modeReadableByOthers(const QString &)
{
    return {}; // who may read a file is its access list's, which has no mode
}

} // namespace cli::console
