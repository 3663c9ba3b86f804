#include "actions/generate.h"

#include "netcfg/destination.h"
#include "netcfg/faithful.h"
#include "netcfg/listing.h"
#include "netcfg/netcfg.h"
#include "netcfg/section.h"

#include <algorithm>
#include <iterator>

namespace {

const QString kSuccess = QStringLiteral("Create configure file success.");
const QString kFailed = QStringLiteral("Create configure file failed.");

// The values without which the camera cannot connect: the access point, and where it sends
// its pictures to.
template<typename Settings> struct ConnectionNeeds;
template<> struct ConnectionNeeds<MmsSettings>
{
    // clang-format off
    static constexpr QString MmsSettings::*values[] = {&MmsSettings::APN, &MmsSettings::URL, &MmsSettings::IP, &MmsSettings::Port};
    // clang-format on
};
template<> struct ConnectionNeeds<SmtpSettings>
{
    // clang-format off
    static constexpr QString SmtpSettings::*values[] = {&SmtpSettings::APN, &SmtpSettings::Server, &SmtpSettings::Port, &SmtpSettings::Sender};
    // clang-format on
};

template<typename Settings> void remindOfRecipients(ActionHost &host, const Settings &settings)
{
    if (settings.Phone1.isEmpty())
        host.showMessage(MessageKind::Warning, QStringLiteral("Need Phone Number Input"));
    if (settings.Email1.isEmpty())
        host.showMessage(MessageKind::Warning, QStringLiteral("Need Email Input"));
}

// Whether to go on with settings that leave a value the camera needs empty: asks once, naming
// every such value in the section's order; true when none is empty.
template<typename Settings> bool confirmConnection(ActionHost &host, const Settings &settings)
{
    const auto &needs = ConnectionNeeds<Settings>::values;
    QStringList empty;
    for (const SectionKey<Settings> &key : Section<Settings>::keys) {
        if (std::find(std::begin(needs), std::end(needs), key.value) != std::end(needs)
            && (settings.*key.value).isEmpty())
            empty.append(host.nameOf(QLatin1StringView(key.key)));
    }
    if (empty.isEmpty())
        return true;
    return host.confirm(
        QStringLiteral("The camera needs %1 to connect, and %2 empty. Write NET.CFG anyway?")
            .arg(listed(empty), empty.size() == 1 ? QStringLiteral("it is") : QStringLiteral("they are")));
}

// The values checked, then the file written: why it was not, or nothing.
template<typename Settings>
Result<void> checkAndWrite(const ActionHost &host, const Settings &settings,
                           const QString &pathText, StoredFileWriter &writer)
{
    QList<LabelledValue> values;
    for (const SectionKey<Settings> &key : Section<Settings>::keys)
        values.append({host.nameOf(QLatin1StringView(key.key)), settings.*key.value});
    if (const QStringList refused = unfaithfulValueLines(values); !refused.isEmpty())
        return Failure {refused.join(u'\n')};

    const Result<QByteArray> stored = EncodeNetCfg(ComposeNetCfg(settings));
    if (!stored)
        return stored.failure();
    return writer.write(destinationPath(pathText, platformSeparators()), *stored);
}

template<typename Settings>
bool generate(ActionHost &host, const Settings &settings, const QString &pathText,
              StoredFileWriter &writer)
{
    remindOfRecipients(host, settings);
    if (!confirmConnection(host, settings))
        return false;
    const Result<void> written = checkAndWrite(host, settings, pathText, writer);
    if (written)
        host.showMessage(MessageKind::Information, kSuccess,
                         shownPath(destinationPath(pathText, platformSeparators())));
    else
        host.showMessage(MessageKind::Critical, kFailed + u'\n' + written.reason());
    return written.ok();
}

} // namespace

bool Generate(ActionHost &host, const MmsSettings &settings, const QString &pathText,
              StoredFileWriter &writer)
{
    return generate(host, settings, pathText, writer);
}

bool Generate(ActionHost &host, const SmtpSettings &settings, const QString &pathText,
              StoredFileWriter &writer)
{
    return generate(host, settings, pathText, writer);
}
