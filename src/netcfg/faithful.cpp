#include "netcfg/faithful.h"

#include "netcfg/codepage.h"
#include "netcfg/listing.h"
#include "netcfg/netcfg.h"

#include <QSet>

#include <optional>

namespace {

// How many offending characters one message line names; the rest are counted.
constexpr qsizetype kNamedPerField = 3;

bool isLineBreak(QStringView text)
{
    return text == u"\n" || text == u"\r";
}

// The verdict on one character, from the code page and the substitution table themselves.
std::optional<UnfaithfulCharacter> verdict(QStringView character)
{
    using Kind = UnfaithfulCharacter::Kind;
    // The camera reads NET.CFG line by line, one key=value pair a line. A CR or LF inside a
    // value comes back as itself, but the camera takes it for the end of the value's line:
    // the value is cut short there and the rest becomes a stray line.
    if (isLineBreak(character))
        return UnfaithfulCharacter {Kind::Unwritable, character.toString(), {}};

    const QByteArray bytes = toFileCodePage(character);
    if (fromFileCodePage(bytes) != character)
        return UnfaithfulCharacter {Kind::Unwritable, character.toString(), {}};

    const QByteArray read = decodeBytes(encodeBytes(bytes));
    if (read != bytes)
        return UnfaithfulCharacter {Kind::ReadAsOther, character.toString(),
                                    fromFileCodePage(read)};
    return std::nullopt;
}

// A character for a message: "a line break", its code point when it shows nothing readable
// (a control character, a lone surrogate, a space other than " "), else quoted.
QString shown(const QString &text)
{
    if (isLineBreak(text))
        return QStringLiteral("a line break");
    const bool pair = text.size() == 2 && text[0].isHighSurrogate() && text[1].isLowSurrogate();
    if (text.size() == 1 || pair) {
        const char32_t codePoint
            = pair ? QChar::surrogateToUcs4(text[0], text[1]) : text[0].unicode();
        const bool space = QChar::category(codePoint) == QChar::Separator_Space;
        if (!QChar::isPrint(codePoint) || (space && codePoint != u' '))
            return QStringLiteral("U+")
                + QString::number(codePoint, 16).toUpper().rightJustified(4, u'0');
    }
    return u'"' + text + u'"';
}

} // namespace

QList<UnfaithfulCharacter> unfaithfulCharacters(QStringView value)
{
    QList<UnfaithfulCharacter> found;
    QSet<char32_t> seen;
    for (qsizetype i = 0; i < value.size();) {
        // One code point at a time, since the code page converts code points: a surrogate
        // pair is one character, a surrogate on its own is one too.
        qsizetype length = 1;
        char32_t codePoint = value[i].unicode();
        if (value[i].isHighSurrogate() && i + 1 < value.size() && value[i + 1].isLowSurrogate()) {
            length = 2;
            codePoint = QChar::surrogateToUcs4(value[i], value[i + 1]);
        }
        if (!seen.contains(codePoint)) {
            seen.insert(codePoint);
            if (std::optional<UnfaithfulCharacter> character = verdict(value.sliced(i, length)))
                found.append(*std::move(character));
        }
        i += length;
    }
    return found;
}

QStringList unfaithfulValueLines(const QList<LabelledValue> &fields)
{
    QStringList lines;
    for (const LabelledValue &field : fields) {
        const QList<UnfaithfulCharacter> found = unfaithfulCharacters(field.value);
        if (found.isEmpty())
            continue;

        // Every distinct phrase once (a typed CR and LF are both "a line break"), in order.
        QStringList unwritable;
        QStringList readAs;
        QSet<QString> phrases;
        for (const UnfaithfulCharacter &character : found) {
            const bool written = character.kind == UnfaithfulCharacter::Kind::ReadAsOther;
            const QString phrase = written
                ? shown(character.typed) + QStringLiteral(" as ") + shown(character.readAs)
                : shown(character.typed);
            if (phrases.contains(phrase))
                continue;
            phrases.insert(phrase);
            if (phrases.size() <= kNamedPerField)
                (written ? readAs : unwritable).append(phrase);
        }

        QString line = field.label + QStringLiteral(": ");
        if (!unwritable.isEmpty())
            line += listed(unwritable) + QStringLiteral(" cannot be written for the camera");
        if (!unwritable.isEmpty() && !readAs.isEmpty())
            line += QStringLiteral(", and ");
        if (!readAs.isEmpty())
            line += QStringLiteral("the camera would read ") + listed(readAs);
        if (const qsizetype more = phrases.size() - kNamedPerField; more > 0)
            line += more == 1 ? QStringLiteral(" (and 1 other character)")
                              : QStringLiteral(" (and %1 other characters)").arg(more);
        lines.append(line);
    }
    return lines;
}
