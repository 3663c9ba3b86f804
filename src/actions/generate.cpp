#include "actions/generate.h"

#include "carriers/carriers.h"
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

// Whether to go on with a setup that leaves a value the camera needs empty: asks once, naming
// every such value in the section's order; true when none is empty. In Auto mode with no
// operator's profile picked, the connection values that the window hides are empty because
// of the missing pick, which the question names instead of fields that the user cannot see.
template<typename Settings>
bool confirmConnection(ActionHost &host, const SetupModel<Settings> &setup)
{
    const bool noPick = setup.mode == SettingMode::Auto
        && !profileValues<Settings>(setup.country, setup.operatorName);
    bool unpicked = false;
    QStringList empty;
    for (const SectionKey<Settings> &key : Section<Settings>::keys) {
        if (key.need != Need::ToConnect || !key.isEmpty(setup.settings))
            continue;
        if (noPick && isConnectionKey(key.filled))
            unpicked = true;
        else
            empty.append(host.nameOf(key.key()));
    }
    QStringList question;
    if (unpicked)
        question.append(QStringLiteral("No operator is picked, so the camera gets no connection "
                                       "values. Pick your operator, or choose Manual and type "
                                       "them."));
    if (!empty.isEmpty())
        question.append(
            QStringLiteral("The camera needs %1 to connect, and %2 empty.")
                .arg(listed(empty),
                     empty.size() == 1 ? QStringLiteral("it is") : QStringLiteral("they are")));
    if (question.isEmpty())
        return true;
    question.append(QStringLiteral("Write NET.CFG anyway?"));
    return host.confirm(question.join(u' '));
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

} // namespace

template<typename Settings>
bool Generate(ActionHost &host, const SetupModel<Settings> &setup, const QString &pathText,
              StoredFileWriter &writer)
{
    const Settings &settings = setup.settings;
    remindOfRecipients(host, settings);
    if (!confirmConnection(host, setup) || !confirmMailServer(host, settings))
        return false;
    const Result<void> written = checkAndWrite(host, settings, pathText, writer);
    if (written)
        host.showMessage(MessageKind::Information, kSuccess,
                         shownPath(destinationPath(pathText, platformSeparators())));
    else
        host.showMessage(MessageKind::Critical, kFailed + u'\n' + written.reason());
    return written.ok();
}

template bool Generate(ActionHost &, const SetupModel<MmsSettings> &, const QString &,
                       StoredFileWriter &);
template bool Generate(ActionHost &, const SetupModel<SmtpSettings> &, const QString &,
                       StoredFileWriter &);

QString cameraCannotUse(const MailProvider &provider)
{
    return QStringLiteral("%1 %2, which the camera cannot do. Use another mail account for the "
                          "camera.")
        .arg(provider.name, provider.note);
}
