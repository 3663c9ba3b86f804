#include "netcfg/netcfg.h"

#include "netcfg/codepage.h"
#include "netcfg/section.h"

#include <array>

namespace {

// The plain form: the header, then every key of the section in the camera's order.
template<typename Settings> QByteArray compose(const Settings &settings)
{
    QByteArray plain = sectionHeader<Settings>().toLatin1();
    plain += "\r\n";
    for (const SectionKey<Settings> &key : Section<Settings>::keys) {
        plain += key.name;
        plain += '=';
        plain += toFileCodePage(key.fileValue(settings));
        plain += "\r\n";
    }
    return plain;
}

// The camera's substitution, one entry per byte value.
constexpr std::array<unsigned char, 256> makeEncodeTable()
{
    std::array<unsigned char, 256> table {};
    for (int b = 0; b < 256; ++b) {
        int stored = b;
        if (b >= '0' && b <= '9')
            stored = b - 33;
        else if (b >= 'a' && b <= 'z')
            stored = b + 31;
        else if (b >= 'A' && b <= 'Z')
            stored = b + 32;
        else if (b == '[')
            stored = 0xFF;
        else if (b == ']')
            stored = 0xFE;
        else if (b == '@')
            stored = 0xFD;
        else if (b == '=')
            stored = 0xFC;
        else if (b == '.')
            stored = 0xFB;
        else if (b == '\n')
            stored = 0xF1;
        else if (b == '\r')
            stored = 0xF2;
        table[b] = static_cast<unsigned char>(stored);
    }
    return table;
}

constexpr std::array<unsigned char, 256> kEncodeTable = makeEncodeTable();

// The camera's reading, derived from the substitution so that the two can never disagree:
// a substituted byte's stored form reads as that byte, every other byte as itself.
constexpr std::array<unsigned char, 256> makeDecodeTable()
{
    std::array<unsigned char, 256> table {};
    for (int b = 0; b < 256; ++b)
        table[b] = static_cast<unsigned char>(b);
    for (int b = 0; b < 256; ++b) {
        if (kEncodeTable[b] != b)
            table[kEncodeTable[b]] = static_cast<unsigned char>(b);
    }
    return table;
}

constexpr std::array<unsigned char, 256> kDecodeTable = makeDecodeTable();

// Every substituted byte must come back from its stored form: two substituted bytes with one
// stored form would leave the camera unable to tell them apart.
constexpr bool everySubstitutedByteReadsBack()
{
    for (int b = 0; b < 256; ++b) {
        if (kEncodeTable[b] != b && kDecodeTable[kEncodeTable[b]] != b)
            return false;
    }
    return true;
}
static_assert(everySubstitutedByteReadsBack());

QByteArray substitute(QByteArrayView in, const std::array<unsigned char, 256> &table)
{
    QByteArray out(in.size(), Qt::Uninitialized);
    // Through plain pointers: QByteArray's operator[] checks for sharing on every byte.
    const auto *from = reinterpret_cast<const unsigned char *>(in.data());
    char *to = out.data();
    for (qsizetype i = 0; i < in.size(); ++i)
        to[i] = static_cast<char>(table[from[i]]);
    return out;
}

} // namespace

QByteArray ComposeNetCfg(const MmsSettings &settings)
{
    return compose(settings);
}

QByteArray ComposeNetCfg(const SmtpSettings &settings)
{
    return compose(settings);
}

QByteArray encodeBytes(QByteArrayView plain)
{
    return substitute(plain, kEncodeTable);
}

QByteArray decodeBytes(QByteArrayView stored)
{
    return substitute(stored, kDecodeTable);
}

Result<QByteArray> EncodeNetCfg(QByteArrayView plain)
{
    if (plain.isEmpty())
        return Failure {QStringLiteral("There are no settings to write.")};
    if (plain.size() > kMaxPlainFormSize)
        return Failure {QStringLiteral("The settings are too long: %1 bytes, at most %2.")
                            .arg(plain.size())
                            .arg(kMaxPlainFormSize)};
    return encodeBytes(plain);
}
