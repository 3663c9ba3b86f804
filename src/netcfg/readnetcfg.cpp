#include "netcfg/readnetcfg.h"

#include "netcfg/codepage.h"
#include "netcfg/netcfg.h"
#include "netcfg/platformfiles.h"
#include "netcfg/section.h"

#include <QList>
#include <QStringView>

#include <array>

namespace {

// The lines as the camera takes them: a CR or an LF ends a line, so CR LF leaves an empty line
// between the two, which is skipped like any other empty line (but the first).
QList<QStringView> linesOf(QStringView text)
{
    QList<QStringView> lines;
    qsizetype start = 0;
    for (qsizetype i = 0; i <= text.size(); ++i) {
        if (i == text.size() || text[i] == u'\r' || text[i] == u'\n') {
            lines.append(text.sliced(start, i - start));
            start = i + 1;
        }
    }
    return lines;
}

template<typename Settings> NetCfgFile readSection(const QList<QStringView> &lines)
{
    constexpr auto &keys = Section<Settings>::keys;
    std::array<bool, std::size(keys)> given {};
    Settings settings;
    QStringList repeatedKeys;
    for (qsizetype l = 1; l < lines.size(); ++l) {
        const QStringView line = lines.at(l);
        const qsizetype equals = line.indexOf(u'=');
        if (equals < 0)
            continue;
        const QStringView key = line.first(equals);
        for (std::size_t k = 0; k < std::size(keys); ++k) {
            if (key != keys[k].key())
                continue;
            if (!given[k])
                keys[k].setFileValue(settings, line.sliced(equals + 1).toString());
            else if (!repeatedKeys.contains(key))
                repeatedKeys.append(key.toString());
            given[k] = true;
            break;
        }
    }
    return {settings, repeatedKeys};
}

// subject names the file in a message: its path, or "The file".
Result<NetCfgFile> parse(QByteArrayView stored, const QString &subject)
{
    if (stored.isEmpty())
        return filemessages::notSettings(subject, QStringLiteral("it is empty"));
    if (stored.size() > kMaxPlainFormSize)
        return filemessages::tooLarge(subject, stored.size());

    const QString text = fromFileCodePage(decodeBytes(stored));
    const QList<QStringView> lines = linesOf(text);
    if (lines.first() == sectionHeader<MmsSettings>())
        return readSection<MmsSettings>(lines);
    if (lines.first() == sectionHeader<SmtpSettings>())
        return readSection<SmtpSettings>(lines);
    return filemessages::notSettings(
        subject,
        QStringLiteral("its first line is neither %1 nor %2")
            .arg(sectionHeader<MmsSettings>(), sectionHeader<SmtpSettings>()));
}

} // namespace

Result<NetCfgFile> ReadNetCfg(const QString &path)
{
    if (path.isEmpty())
        return Failure {QStringLiteral("No file was named.")};
    const Result<QByteArray> bytes = platform::readSettingsFile(path);
    if (!bytes)
        return bytes.failure();
    return parse(*bytes, filemessages::shown(path));
}

Result<NetCfgFile> ParseNetCfg(QByteArrayView stored)
{
    return parse(stored, QStringLiteral("The file"));
}
