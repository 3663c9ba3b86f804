#include "actions/readaction.h"

#include "actions/choosefolder.h"
#include "carriers/carriers.h"
#include "netcfg/destination.h"
#include "netcfg/listing.h"
#include "netcfg/readnetcfg.h"

namespace {

void reportRepeatedKeys(ActionHost &host, const QStringList &keys)
{
    if (keys.isEmpty())
        return;
    host.showMessage(MessageKind::Warning,
                     (keys.size() == 1
                          ? QStringLiteral("This NET.CFG gives %1 more than once; "
                                           "the window shows its first value.")
                          : QStringLiteral("This NET.CFG gives %1 more than once; "
                                           "the window shows the first value of each."))
                         .arg(listed(keys)));
}

} // namespace

template<typename Settings>
void Read(ActionHost &host, QString &pathText, bool edited,
          const std::function<void(const SetupModel<Settings> &)> &show)
{
    if (pathText.isEmpty()) {
        pathText = ChooseFolder(host, pathText);
        if (pathText.isEmpty())
            return;
    }
    const Result<NetCfgFile> read = ReadNetCfg(destinationPath(pathText, platformSeparators()));
    if (!read) {
        host.showMessage(MessageKind::Critical, read.reason());
        return;
    }
    const Settings *settings = std::get_if<Settings>(&read->settings);
    if (!settings) {
        const QString other = std::holds_alternative<MmsSettings>(read->settings)
            ? QString(Section<MmsSettings>::name)
            : QString(Section<SmtpSettings>::name);
        host.showMessage(
            MessageKind::Critical,
            QStringLiteral("This NET.CFG holds %1 settings; read it in the %1 window.").arg(other));
        return;
    }
    if (edited
        && !host.confirm(QStringLiteral("Replace the values in the window with the card's?")))
        return;
    show(setupOfFile(*settings));
    reportRepeatedKeys(host, read->repeatedKeys);
}

template void Read(ActionHost &, QString &, bool,
                   const std::function<void(const SetupModel<MmsSettings> &)> &);
template void Read(ActionHost &, QString &, bool,
                   const std::function<void(const SetupModel<SmtpSettings> &)> &);
