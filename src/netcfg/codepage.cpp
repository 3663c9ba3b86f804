#include "netcfg/codepage.h"

#ifdef Q_OS_WIN
#include <QStringEncoder>

#include <windows.h>
#endif

#ifdef Q_OS_WIN

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

#else

// Written by hand rather than with QStringEncoder: Qt's encoder writes 0x1A, not "?", for a
// character that Windows-1252 lacks, and it knows Windows-1252 by name only when Qt is built
// with ICU, which it need not be.

namespace {

// What the bytes 0x80 to 0x9F stand for in Windows-1252. The five bytes that Windows-1252
// leaves undefined map to the control character of the same value, as Windows does.
// clang-format off
constexpr char16_t kHighBlock[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};
// clang-format on

char toWindows1252(char32_t codePoint)
{
    if (codePoint < 0x80 || (codePoint >= 0xA0 && codePoint <= 0xFF))
        return char(codePoint);
    for (int i = 0; i < 32; ++i) {
        if (kHighBlock[i] == codePoint)
            return char(0x80 + i);
    }
    return '?';
}

} // namespace

QByteArray toFileCodePage(QStringView text)
{
    QByteArray bytes;
    bytes.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            // A character outside the Basic Multilingual Plane: not in the code page.
            ++i;
            bytes += '?';
        } else if (c.isSurrogate()) {
            bytes += '?';
        } else {
            bytes += toWindows1252(c.unicode());
        }
    }
    return bytes;
}

QString fromFileCodePage(QByteArrayView bytes)
{
    QString text(bytes.size(), Qt::Uninitialized);
    QChar *out = text.data();
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const auto byte = static_cast<unsigned char>(bytes[i]);
        out[i] = byte >= 0x80 && byte < 0xA0 ? QChar(kHighBlock[byte - 0x80]) : QChar(byte);
    }
    return text;
}

#endif
