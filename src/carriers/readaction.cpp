#include "carriers/readaction.h"

#include "carriers/carriers.h"
#include "netcfg/destination.h"
#include "netcfg/fieldmap.h"
#include "netcfg/readnetcfg.h"

namespace {

QString nameOf(NetCfgSection section)
{
    return section == NetCfgSection::Mms ? QStringLiteral("MMS") : QStringLiteral("SMTP");
}

// The file of this window's section, or nothing after the folder browser's cancel or a message.
std::optional<NetCfgRead> readFor(FileActionHost &host, const QString &pathField,
                                  NetCfgSection section)
{
    if (host.text(pathField).isEmpty()) {
        ChooseFolder(host, pathField);
        if (host.text(pathField).isEmpty())
            return std::nullopt;
    }
    NetCfgRead read = ReadNetCfg(destinationPath(host.text(pathField), platformSeparators()));
    if (!read.ok()) {
        host.showMessage(read.error);
        return std::nullopt;
    }
    if (read.section != section) {
        host.showMessage(QStringLiteral("This NET.CFG holds %1 settings; read it in the %1 window.")
                             .arg(nameOf(read.section)));
        return std::nullopt;
    }
    return read;
}

// Mode, then the picks as the user makes them, then every field from the file.
template<typename Settings>
void fill(FileActionHost &host, const FieldMap<Settings> &map, const Settings &shown,
          const std::optional<OperatorPick> &pick, CarrierStep chooseCountry,
          CarrierStep chooseOperator, const std::function<void()> &applySettingMode)
{
    host.setText(map.modeBox, pick ? QStringLiteral("Auto") : QStringLiteral("Manual"));
    applySettingMode();
    if (pick) {
        host.setText(map.countryBox, pick->country);
        chooseCountry(host);
        host.setText(map.operatorBox, pick->operatorName);
        chooseOperator(host);
    }
    // Also the connection fields: a profile leaves a field it does not fill as it was.
    for (const Field<Settings> &field : map.fields)
        host.setText(field.control, shown.*field.value);
}

void reportRepeatedKeys(FileActionHost &host, const QStringList &keys)
{
    if (keys.isEmpty())
        return;
    host.showMessage(
        keys.size() == 1
            ? QStringLiteral("This NET.CFG gives %1 more than once; the window shows "
                             "its first value.")
                  .arg(keys.front())
            : QStringLiteral("This NET.CFG gives %1 and %2 more than once; the "
                             "window shows the first value of each.")
                  .arg(keys.first(keys.size() - 1).join(QStringLiteral(", ")), keys.back()));
}

} // namespace

void ReadMms(FileActionHost &host, const std::function<void()> &applySettingMode)
{
    const FieldMap<MmsSettings> &map = mmsFieldMap();
    const std::optional<NetCfgRead> read = readFor(host, map.pathField, NetCfgSection::Mms);
    if (!read)
        return;
    fill(host, map, read->mms, mms::recogniseOperator(read->mms), &mms::ChooseCountry,
         &mms::ChooseOperator, applySettingMode);
    reportRepeatedKeys(host, read->repeatedKeys);
}

void ReadSmtp(FileActionHost &host, SslValue &ssl, const std::function<void()> &applySettingMode)
{
    const FieldMap<SmtpSettings> &map = smtpFieldMap();
    const std::optional<NetCfgRead> read = readFor(host, map.pathField, NetCfgSection::Smtp);
    if (!read)
        return;
    SmtpSettings shown = read->smtp;
    if (shown.SSL == u"1")
        shown.SSL = QStringLiteral("YES");
    else if (shown.SSL == u"0")
        shown.SSL = QStringLiteral("NO");
    fill(host, map, shown, smtp::recogniseOperator(read->smtp), &smtp::ChooseCountry,
         &smtp::ChooseOperator, applySettingMode);
    ssl.text = read->smtp.SSL;
    reportRepeatedKeys(host, read->repeatedKeys);
}
