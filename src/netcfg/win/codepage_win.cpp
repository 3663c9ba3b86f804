#include "netcfg/codepage.h"

#include <QStringEncoder>

#include <windows.h>

QByteArray toFileCodePage(QStringView text)
{
    // The system's ANSI code page, with Windows' own substitution for what it lacks.
    QStringEncoder encoder(QStringConverter::System);
    return encoder.encode(text);
}

QString fromFileCodePage(QByteArrayView bytes)
{
    // MultiByteToWideChar itself: Qt's System decoder drops a last NUL byte as if it ended a C
    // string, so a NUL would not read back as itself.
    if (bytes.isEmpty())
        return {};
    const int size = MultiByteToWideChar(CP_ACP, 0, bytes.data(), int(bytes.size()), nullptr, 0);
    QString text(size, Qt::Uninitialized);
    MultiByteToWideChar(CP_ACP, 0, bytes.data(), int(bytes.size()),
                        reinterpret_cast<wchar_t *>(text.data()), size);
    return text;
}
