#include "mail/safetext.h"

#include <QList>

namespace {

bool isBidiControl(char32_t c)
{
    return (c >= 0x202A && c <= 0x202E) || (c >= 0x2066 && c <= 0x2069);
}

void appendSafe(QString &shown, char32_t c)
{
    if (c == u'\\')
        shown += QStringLiteral("\\\\");
    else if (QChar::category(c) == QChar::Other_Control)
        shown += QStringLiteral("\\x%1").arg(uint(c), 2, 16, QLatin1Char('0'));
    else if (isBidiControl(c))
        shown += QStringLiteral("\\u%1").arg(uint(c), 4, 16, QLatin1Char('0'));
    else
        shown += QStringView(QChar::fromUcs4(c));
}

// The length of the UTF-8 sequence that starts at bytes[i], 0 when none does.
qsizetype utf8Length(QByteArrayView bytes, qsizetype i)
{
    const auto lead = static_cast<unsigned char>(bytes[i]);
    const qsizetype length = lead < 0x80 ? 1
        : lead < 0xC2                    ? 0
        : lead < 0xE0                    ? 2
        : lead < 0xF0                    ? 3
        : lead < 0xF5                    ? 4
                                         : 0;
    if (length == 0 || i + length > bytes.size())
        return 0;
    for (qsizetype k = 1; k < length; ++k) {
        if ((static_cast<unsigned char>(bytes[i + k]) & 0xC0) != 0x80)
            return 0;
    }
    return length;
}

} // namespace

QString safeText(QStringView text)
{
    QString shown;
    shown.reserve(text.size());
    for (const char32_t c : text.toUcs4())
        appendSafe(shown, c);
    return shown;
}

QString safeBytes(QByteArrayView bytes)
{
    QString shown;
    shown.reserve(bytes.size());
    for (qsizetype i = 0; i < bytes.size();) {
        const qsizetype length = utf8Length(bytes, i);
        // Qt's decoder refuses what the length check lets through: overlong forms, surrogates.
        const QString decoded = length ? QString::fromUtf8(bytes.sliced(i, length)) : QString();
        if (decoded.isEmpty() || decoded.contains(QChar::ReplacementCharacter)) {
            shown += QStringLiteral("\\x%1").arg(static_cast<unsigned char>(bytes[i]), 2, 16,
                                                 QLatin1Char('0'));
            ++i;
            continue;
        }
        shown += safeText(decoded);
        i += length;
    }
    return shown;
}
