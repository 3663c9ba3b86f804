#include "carriers/readaction.h"

#include "carriers/carriers.h"
#include "netcfg/destination.h"
#include "netcfg/fieldmap.h"
#include "netcfg/readnetcfg.h"

namespace {

// The file of this window's section, or nothing after the folder browser's cancel or a message.
template<typename Settings>
std::optional<Settings> readFor(FileActionHost &host, const QString &pathField,
                                QStringList *repeatedKeys)
{
    if (host.text(pathField).isEmpty()) {
        ChooseFolder(host, pathField);
        if (host.text(pathField).isEmpty())
            return std::nullopt;
    }
    const Result<NetCfgFile> read
        = ReadNetCfg(destinationPath(host.text(pathField), platformSeparators()));
    if (!read) {
        host.showMessage(read.reason());
        return std::nullopt;
    }
    const Settings *settings = std::get_if<Settings>(&read->settings);
    if (!settings) {
        const QString other = std::holds_alternative<MmsSettings>(read->settings)
            ? QString(Section<MmsSettings>::name)
            : QString(Section<SmtpSettings>::name);
        host.showMessage(
            QStringLiteral("This NET.CFG holds %1 settings; read it in the %1 window.").arg(other));
        return std::nullopt;
    }
    *repeatedKeys = read->repeatedKeys;
    return *settings;
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
    QStringList repeatedKeys;
    const std::optional<MmsSettings> read
        = readFor<MmsSettings>(host, map.pathField, &repeatedKeys);
    if (!read)
        return;
    fill(host, map, *read, mms::recogniseOperator(*read), &mms::ChooseCountry, &mms::ChooseOperator,
         applySettingMode);
    reportRepeatedKeys(host, repeatedKeys);
}

void ReadSmtp(FileActionHost &host, SslValue &ssl, const std::function<void()> &applySettingMode)
{
    const FieldMap<SmtpSettings> &map = smtpFieldMap();
    QStringList repeatedKeys;
    const std::optional<SmtpSettings> read
        = readFor<SmtpSettings>(host, map.pathField, &repeatedKeys);
    if (!read)
        return;
    SmtpSettings shown = *read;
    shown.SSL = sslBoxText(shown.SSL);
    fill(host, map, shown, smtp::recogniseOperator(*read), &smtp::ChooseCountry,
         &smtp::ChooseOperator, applySettingMode);
    ssl.text = read->SSL;
    reportRepeatedKeys(host, repeatedKeys);
}
