#include "actions/generate.h"

#include "netcfg/destination.h"
#include "netcfg/faithful.h"
#include "netcfg/netcfg.h"
#include "netcfg/section.h"

namespace {

const QString kSuccess = QStringLiteral("Create configure file success.");
const QString kFailed = QStringLiteral("Create configure file failed.");

template<typename Settings> void remindOfRecipients(ActionHost &host, const Settings &settings)
{
    if (settings.Phone1.isEmpty())
        host.showMessage(MessageKind::Warning, QStringLiteral("Need Phone Number Input"));
    if (settings.Email1.isEmpty())
        host.showMessage(MessageKind::Warning, QStringLiteral("Need Email Input"));
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
