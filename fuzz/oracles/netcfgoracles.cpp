#include "oracles/netcfgoracles.h"

#include "netcfg/codepage.h"
#include "netcfg/destination.h"
#include "netcfg/faithful.h"
#include "netcfg/netcfg.h"
#include "netcfg/readnetcfg.h"
#include "netcfg/section.h"

#include <QList>
#include <QSet>
#include <QStringList>

#include <array>

namespace oracles {

namespace {

// The camera's inverse table, from stored byte back to plain byte, written from the camera's
// side and independently of the encoder.
struct StoredRange
{
    unsigned char firstStored;
    unsigned char lastStored;
    char firstPlain;
};

// clang-format off
constexpr StoredRange kStoredRanges[] = {
    {0x0F, 0x18, '0'},
    {0x80, 0x99, 'a'},
    {0x61, 0x7A, 'A'},
    {0xFF, 0xFF, '['},
    {0xFE, 0xFE, ']'},
    {0xFD, 0xFD, '@'},
    {0xFC, 0xFC, '='},
    {0xFB, 0xFB, '.'},
    {0xF1, 0xF1, '\n'},
    {0xF2, 0xF2, '\r'},
};

const char *const kMmsKeys[] = {
    "URL", "APN", "IP", "Port", "Phone1", "Phone2", "Phone3", "Phone4", "Phone5",
    "Email1", "Email2", "Email3", "Email4", "Email5", "APNAccount", "APNPassword",
};
const char *const kSmtpKeys[] = {
    "APN", "Server", "Port", "Sender", "Password", "Email1", "Email2", "Email3", "Email4",
    "Email5", "SSL", "Phone1", "APNAccount", "APNPassword",
};
// clang-format on

bool isPrintableAsciiOrLineEnd(unsigned char byte)
{
    return (byte >= 0x20 && byte <= 0x7E) || byte == '\r' || byte == '\n';
}

// Plain bytes that the camera's table substitutes: every other printable one is kept.
bool isSubstituted(unsigned char plain)
{
    for (const StoredRange &range : kStoredRanges) {
        const auto first = static_cast<unsigned char>(range.firstPlain);
        if (plain >= first && plain <= first + (range.lastStored - range.firstStored))
            return true;
    }
    return false;
}

std::array<int, 256> makeInverse()
{
    std::array<int, 256> inverse;
    inverse.fill(-1);
    for (int plain = 0x20; plain <= 0x7E; ++plain) {
        if (!isSubstituted(static_cast<unsigned char>(plain)))
            inverse[plain] = plain;
    }
    for (const StoredRange &range : kStoredRanges) {
        for (int stored = range.firstStored; stored <= range.lastStored; ++stored)
            inverse[stored] = range.firstPlain + (stored - range.firstStored);
    }
    return inverse;
}

const std::array<int, 256> &inverseTable()
{
    static const std::array<int, 256> inverse = makeInverse();
    return inverse;
}

QString toText(QByteArrayView bytes, int decoding)
{
    switch (decoding) {
    case 0:
        return QString::fromUtf8(bytes);
    case 1:
        return QString::fromLatin1(bytes);
    default:
        QString text;
        for (qsizetype i = 0; i + 1 < bytes.size(); i += 2)
            text += QChar(char16_t(quint8(bytes[i]) | quint8(bytes[i + 1]) << 8));
        return text;
    }
}

// Characters as the code page counts them: a surrogate pair is one character, except to
// Windows' own conversion, which writes a byte for each half of it.
qsizetype characterCount(QStringView text)
{
#ifdef Q_OS_WIN
    return text.size();
#else
    qsizetype count = 0;
    for (qsizetype i = 0; i < text.size(); ++i, ++count) {
        if (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate())
            ++i;
    }
    return count;
#endif
}

template<std::size_t N>
QString checkLayout(const QByteArray &plain, const QByteArray &header, const char *const (&keys)[N],
                    const QStringList &values)
{
    qsizetype expectedSize = header.size() + 2;
    bool lineBreakInValue = false;
    for (qsizetype i = 0; i < qsizetype(N); ++i) {
        const QString &value = values.at(i);
        const qsizetype bytes = toFileCodePage(value).size();
        if (bytes != characterCount(value))
            return QStringLiteral("value %1 takes %2 bytes for %3 characters")
                .arg(i)
                .arg(bytes)
                .arg(characterCount(value));
        expectedSize += qstrlen(keys[i]) + 1 + bytes + 2;
        lineBreakInValue = lineBreakInValue || value.contains(u'\r') || value.contains(u'\n');
    }
    if (plain.size() != expectedSize)
        return QStringLiteral("plain form of %1 bytes, expected %2")
            .arg(plain.size())
            .arg(expectedSize);
    if (!plain.startsWith(header + "\r\n") || !plain.endsWith("\r\n"))
        return QStringLiteral("plain form does not start with its header or end in CR LF");
    if (lineBreakInValue)
        return {};

    const QList<QByteArray> lines = plain.chopped(2).split('\n');
    if (lines.size() != qsizetype(N) + 1)
        return QStringLiteral("plain form of %1 lines, expected %2").arg(lines.size()).arg(N + 1);
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QByteArray &line = lines.at(i);
        if (i + 1 < lines.size() && !line.endsWith('\r'))
            return QStringLiteral("line %1 does not end in CR LF").arg(i + 1);
        const QByteArray expectedStart = i == 0 ? header : QByteArray(keys[i - 1]) + '=';
        if (!line.startsWith(expectedStart))
            return QStringLiteral("line %1 does not start with %2")
                .arg(i + 1)
                .arg(QString::fromLatin1(expectedStart));
    }
    return {};
}

QString checkEncoding(const QByteArray &plain)
{
    const Result<QByteArray> stored = EncodeNetCfg(plain);
    const QString error = stored.reason();
    if (plain.size() > kMaxPlainFormSize) {
        if (stored)
            return QStringLiteral("a plain form of %1 bytes was encoded").arg(plain.size());
        if (!error.contains(QLatin1String("too long")))
            return QStringLiteral("a plain form of %1 bytes was refused without saying it is "
                                  "too long: %2")
                .arg(plain.size())
                .arg(error);
        return {};
    }
    if (!stored)
        return QStringLiteral("a plain form of %1 bytes was refused: %2")
            .arg(plain.size())
            .arg(error);
    if (stored->size() != plain.size())
        return QStringLiteral("stored form of %1 bytes for a plain form of %2")
            .arg(stored->size())
            .arg(plain.size());
    if (stored->contains('\r') || stored->contains('\n'))
        return QStringLiteral("stored form holds a CR or LF byte");

    const QByteArray decoded = decodeStored(*stored);
    for (qsizetype i = 0; i < plain.size(); ++i) {
        const auto byte = static_cast<unsigned char>(plain[i]);
        const char expected = isPrintableAsciiOrLineEnd(byte) ? plain[i] : (*stored)[i];
        const char found = isPrintableAsciiOrLineEnd(byte) ? decoded[i] : plain[i];
        if (expected != found)
            return QStringLiteral("byte %1 (plain 0x%2) is stored as 0x%3")
                .arg(i)
                .arg(byte, 2, 16, QLatin1Char('0'))
                .arg(quint8((*stored)[i]), 2, 16, QLatin1Char('0'));
    }
    return {};
}

// The check against the camera's reading: a field passes it exactly when the camera reads it
// back as typed, and when every field passes, the camera reads the whole file, line by line,
// as the header and every key with its value as typed.
template<std::size_t N>
QString checkReadBack(const QByteArray &plain, const QByteArray &header,
                      const char *const (&keys)[N], const QStringList &values)
{
    const QByteArray read = decodeStored(encodeBytes(plain));
    bool anyRefused = false;
    qsizetype at = header.size() + 2;
    for (qsizetype i = 0; i < qsizetype(N); ++i) {
        const QString &value = values.at(i);
        at += qstrlen(keys[i]) + 1;
        const qsizetype size = toFileCodePage(value).size();
        const QString readValue = fromFileCodePage(QByteArrayView(read).sliced(at, size));
        at += size + 2;
        const bool readsBack
            = readValue == value && !value.contains(u'\r') && !value.contains(u'\n');
        const bool refused = !unfaithfulCharacters(value).isEmpty();
        if (refused == readsBack)
            return QStringLiteral("value %1 is %2, yet the camera reads it %3")
                .arg(i)
                .arg(refused ? QStringLiteral("refused") : QStringLiteral("let through"))
                .arg(readsBack ? QStringLiteral("as typed") : QStringLiteral("as ") + readValue);
        anyRefused = anyRefused || refused;
    }
    if (anyRefused)
        return {};

    const QStringList lines = fromFileCodePage(read).split(QStringLiteral("\r\n"));
    QStringList expected {QString::fromLatin1(header)};
    for (qsizetype i = 0; i < qsizetype(N); ++i)
        expected.append(QString::fromLatin1(keys[i]) + u'=' + values.at(i));
    expected.append(QString());
    if (lines.size() != expected.size())
        return QStringLiteral("the camera reads %1 lines, expected %2")
            .arg(lines.size())
            .arg(expected.size());
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (lines.at(i) != expected.at(i))
            return QStringLiteral("the camera reads line %1 as %2").arg(i + 1).arg(lines.at(i));
    }
    return {};
}

template<typename Settings>
Settings fill(const QStringList &values, const KeyMember<Settings> *members, std::size_t count)
{
    Settings settings;
    for (std::size_t i = 0; i < count; ++i)
        keyOf(members[i]).setFileValue(settings, values.at(qsizetype(i)));
    return settings;
}

template<typename Settings>
QString valueOf(const Settings &settings, const KeyMember<Settings> &member)
{
    return keyOf(member).fileValue(settings);
}

// clang-format off
const KeyMember<MmsSettings> kMmsMembers[] = {
    &MmsSettings::URL, &MmsSettings::APN, &MmsSettings::IP, &MmsSettings::Port,
    &MmsSettings::Phone1, &MmsSettings::Phone2, &MmsSettings::Phone3, &MmsSettings::Phone4,
    &MmsSettings::Phone5, &MmsSettings::Email1, &MmsSettings::Email2, &MmsSettings::Email3,
    &MmsSettings::Email4, &MmsSettings::Email5, &MmsSettings::APNAccount, &MmsSettings::APNPassword,
};
const KeyMember<SmtpSettings> kSmtpMembers[] = {
    &SmtpSettings::APN, &SmtpSettings::Server, &SmtpSettings::Port, &SmtpSettings::Sender,
    &SmtpSettings::Password, &SmtpSettings::Email1, &SmtpSettings::Email2, &SmtpSettings::Email3,
    &SmtpSettings::Email4, &SmtpSettings::Email5, &SmtpSettings::SSL, &SmtpSettings::Phone1,
    &SmtpSettings::APNAccount, &SmtpSettings::APNPassword,
};
// clang-format on

// Reading the stored form back: when every value passes the character check and Generate
// would write the file, the reader gives back the section and every value as typed, with no
// repeated key; past the camera's limit it refuses the file as too large.
template<typename Settings, std::size_t N>
QString checkReadsBackAsWritten(const QByteArray &plain, const QStringList &values,
                                const KeyMember<Settings> (&members)[N])
{
    for (const QString &value : values) {
        if (!unfaithfulCharacters(value).isEmpty())
            return {};
    }
    if (plain.size() > kMaxPlainFormSize) {
        const Result<NetCfgFile> read = ParseNetCfg(encodeBytes(plain));
        if (read || !read.reason().contains(QLatin1String("the camera reads at most")))
            return QStringLiteral("a stored form of %1 bytes was not refused as too large")
                .arg(plain.size());
        return {};
    }
    const Result<QByteArray> stored = EncodeNetCfg(plain);
    if (!stored)
        return {};
    const Result<NetCfgFile> read = ParseNetCfg(*stored);
    if (!read)
        return QStringLiteral("the written file is not read back: %1").arg(read.reason());
    const Settings *readSettings = std::get_if<Settings>(&read->settings);
    if (!readSettings)
        return QStringLiteral("the written file reads back as the other section");
    if (!read->repeatedKeys.isEmpty())
        return QStringLiteral("the written file repeats %1").arg(read->repeatedKeys.join(u' '));
    const Settings &settings = *readSettings;
    for (std::size_t i = 0; i < N; ++i) {
        if (valueOf(settings, members[i]) != values.at(qsizetype(i)))
            return QStringLiteral("value %1 reads back as %2")
                .arg(i)
                .arg(valueOf(settings, members[i]));
    }
    return {};
}

// Any bytes at all as a stored form: a read that succeeds says no error, gives no value that
// holds a line break and names each repeated key once; a refusal says why.
QString checkReadsAnyBytes(QByteArrayView stored)
{
    const Result<NetCfgFile> read = ParseNetCfg(stored);
    if (read.ok() == !read.reason().isEmpty())
        return QStringLiteral("a read that %1 says \"%2\"")
            .arg(read.ok() ? QStringLiteral("succeeds") : QStringLiteral("fails"))
            .arg(read.reason());
    if (!read)
        return {};
    QStringList values;
    if (const auto *mms = std::get_if<MmsSettings>(&read->settings)) {
        for (const KeyMember<MmsSettings> &member : kMmsMembers)
            values.append(valueOf(*mms, member));
    } else {
        for (const KeyMember<SmtpSettings> &member : kSmtpMembers)
            values.append(valueOf(std::get<SmtpSettings>(read->settings), member));
    }
    for (const QString &value : std::as_const(values)) {
        if (value.contains(u'\r') || value.contains(u'\n'))
            return QStringLiteral("a value read holds a line break");
    }
    if (QSet<QString>(read->repeatedKeys.cbegin(), read->repeatedKeys.cend()).size()
        != read->repeatedKeys.size())
        return QStringLiteral("a repeated key is named twice");
    return {};
}

} // namespace

QByteArray decodeStored(QByteArrayView stored)
{
    const std::array<int, 256> &inverse = inverseTable();
    QByteArray plain(stored.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < stored.size(); ++i) {
        const int byte = static_cast<unsigned char>(stored[i]);
        plain[i] = static_cast<char>(inverse[byte] >= 0 ? inverse[byte] : byte);
    }
    return plain;
}

QString checkComposeAndEncode(QByteArrayView input)
{
    if (const QString failure = checkReadsAnyBytes(input); !failure.isEmpty())
        return failure;
    if (input.size() < 3)
        return {};
    const bool smtp = input[0] & 1;
    const int decoding = (input[0] >> 1) & 3;
    const char separator = input[1];
    qsizetype repeats = 1;
    for (int power = quint8(input[2]) - 0xEF; power > 0 && repeats < kMaxPlainFormSize; --power)
        repeats *= 3;
    const std::size_t fieldCount = smtp ? std::size(kSmtpKeys) : std::size(kMmsKeys);

    QStringList values;
    const QList<QByteArrayView> parts = [&] {
        QList<QByteArrayView> list;
        QByteArrayView rest = input.sliced(3);
        while (qsizetype(list.size()) < qsizetype(fieldCount) - 1) {
            const qsizetype at = rest.indexOf(separator);
            if (at < 0)
                break;
            list.append(rest.first(at));
            rest = rest.sliced(at + 1);
        }
        list.append(rest);
        return list;
    }();
    // Repeats stop once the values hold twice the camera's limit: enough to pass it.
    qsizetype budget = 2 * kMaxPlainFormSize;
    for (std::size_t i = 0; i < fieldCount; ++i) {
        QString text = qsizetype(i) < parts.size() ? toText(parts.at(i), decoding) : QString();
        if (text.size() * repeats <= budget)
            text = text.repeated(repeats);
        budget -= qMin(budget, text.size());
        values.append(text);
    }

    QByteArray plain;
    QString failure;
    if (smtp) {
        plain = ComposeNetCfg(fill<SmtpSettings>(values, kSmtpMembers, std::size(kSmtpMembers)));
        failure = checkLayout(plain, "[SMTP]", kSmtpKeys, values);
        if (failure.isEmpty())
            failure = checkReadBack(plain, "[SMTP]", kSmtpKeys, values);
        if (failure.isEmpty())
            failure = checkReadsBackAsWritten(plain, values, kSmtpMembers);
    } else {
        plain = ComposeNetCfg(fill<MmsSettings>(values, kMmsMembers, std::size(kMmsMembers)));
        failure = checkLayout(plain, "[MMS]", kMmsKeys, values);
        if (failure.isEmpty())
            failure = checkReadBack(plain, "[MMS]", kMmsKeys, values);
        if (failure.isEmpty())
            failure = checkReadsBackAsWritten(plain, values, kMmsMembers);
    }
    if (!failure.isEmpty())
        return failure;
    return checkEncoding(plain);
}

QString checkDestination(QByteArrayView input)
{
    if (input.isEmpty())
        return {};
    const QStringView separators = input[0] & 1 ? QStringView(u"\\/") : QStringView(u"/");
    const QString text = QString::fromUtf8(input.sliced(1));
    const QString fileName = QStringLiteral("NET.CFG");

    const QString destination = destinationPath(text, separators);
    if (!destination.endsWith(fileName))
        return QStringLiteral("destination %1 does not end in NET.CFG").arg(destination);
    const QString folder = destination.chopped(fileName.size());

    qsizetype last = -1;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (separators.contains(text[i]))
            last = i;
    }
    if (last < 0) {
        if (folder != u"./" && folder != u".\\")
            return QStringLiteral("no separator in %1, yet the destination is %2")
                .arg(text, destination);
    } else if (folder != text.left(last + 1)) {
        return QStringLiteral("destination %1 for %2").arg(destination, text);
    }

    // The folder button: the chosen folder, one separator, NET.CFG.
    const QString field = pathFieldForFolder(text, separators, separators.front());
    const bool endsInSeparator = !text.isEmpty() && separators.contains(text.back());
    const QString expected
        = text + (endsInSeparator ? QString() : QString(separators.front())) + fileName;
    if (field != expected)
        return QStringLiteral("path field %1 for folder %2").arg(field, text);
    if (destinationPath(field, separators) != field)
        return QStringLiteral("path field %1 does not lead to itself").arg(field);
    return {};
}

} // namespace oracles
