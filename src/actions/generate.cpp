#include "actions/generate.h"

#include "netcfg/destination.h"
#include "netcfg/faithful.h"
#include "netcfg/listing.h"
#include "netcfg/netcfg.h"
#include "netcfg/section.h"

#include <utility>

namespace {

const QString kSuccess = QStringLiteral("Create configure file success.");
const QString kFailed = QStringLiteral("Create configure file failed.");

// The reminder of an expected value left empty, by the key's kind, in the order they are shown.
// clang-format off
const std::pair<KeyKind, const char *> kReminders[] = {
    {KeyKind::Phone, "Need Phone Number Input"},
    {KeyKind::Email, "Need Email Input"},
};
// clang-format on

template<typename Settings> void remindOfRecipients(ActionHost &host, const Settings &settings)
{
    for (const auto &[kind, reminder] : kReminders) {
        for (const SectionKey<Settings> &key : Section<Settings>::keys) {
            if (key.need == Need::Expected && key.kind == kind && key.isEmpty(settings))
                host.showMessage(MessageKind::Warning, QString::fromLatin1(reminder));
        }
    }
}

// Whether to go on with settings that leave a value the camera needs empty: asks once, naming
// every such value in the section's order; true when none is empty.
template<typename Settings> bool confirmConnection(ActionHost &host, const Settings &settings)
{
    QStringList empty;
    for (const SectionKey<Settings> &key : Section<Settings>::keys) {
        if (key.need == Need::ToConnect && key.isEmpty(settings))
            empty.append(host.nameOf(key.key()));
    }
    if (empty.isEmpty())
        return true;
    return host.confirm(
        QStringLiteral("The camera needs %1 to connect, and %2 empty. Write NET.CFG anyway?")
            .arg(listed(empty),
                 empty.size() == 1 ? QStringLiteral("it is") : QStringLiteral("they are")));
}

// Whether to go on with a mail server that the camera cannot use: asks, naming its provider;
// true for any other server, and for a section without one.
bool confirmMailServer(ActionHost &, const MmsSettings &)
{
    return true;
}
bool confirmMailServer(ActionHost &host, const SmtpSettings &settings)
{
    const MailProvider *provider = mailProviderOfServer(settings.Server);
    if (!provider || provider->camera == CameraUse::Works)
        return true;
    return host.confirm(cameraCannotUse(*provider) + QStringLiteral(" Write NET.CFG anyway?"));
}

// The values checked, then the file written: why it was not, or nothing.
template<typename Settings>
Result<void> checkAndWrite(const ActionHost &host, const Settings &settings,
                           const QString &pathText, StoredFileWriter &writer)
{
    QList<LabelledValue> values;
    for (const SectionKey<Settings> &key : Section<Settings>::keys)
        values.append({host.nameOf(key.key()), key.fileValue(settings)});
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
    if (!confirmConnection(host, settings) || !confirmMailServer(host, settings))
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

QString cameraCannotUse(const MailProvider &provider)
{
    return QStringLiteral("%1 %2, which the camera cannot do. Use another mail account for the "
                          "camera.")
        .arg(provider.name, provider.note);
}

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
