#include "netcfg/fileactions.h"

#include "netcfg/destination.h"
#include "netcfg/faithful.h"
#include "netcfg/fieldmap.h"
#include "netcfg/netcfg.h"

#include <QDir>

namespace {

const QString kFolderBrowserTitle = QStringLiteral("请选择软件安装路径：");
const QString kFailed = QStringLiteral("Create configure file failed.");

} // namespace

void ChooseFolder(FileActionHost &host, const QString &pathField)
{
    const std::optional<QString> folder = host.chooseFolder(kFolderBrowserTitle);
    if (!folder || folder->isEmpty()) {
        host.setText(pathField, QString());
        return;
    }
    host.setText(pathField,
                 pathFieldForFolder(QDir::toNativeSeparators(*folder), platformSeparators(),
                                    QDir::separator()));
}

namespace {

template<typename Settings> QStringList warningsFor(const Settings &settings)
{
    QStringList warnings;
    if (settings.Phone1.isEmpty())
        warnings.append(QStringLiteral("Need Phone Number Input"));
    if (settings.Email1.isEmpty())
        warnings.append(QStringLiteral("Need Email Input"));
    return warnings;
}

template<typename Settings>
GenerateResult checkAndWrite(const Settings &settings, const FieldMap<Settings> &map,
                             const FieldLabel &labelOf, const QString &pathText,
                             StoredFileWriter &writer)
{
    QList<LabelledValue> values;
    for (const Field<Settings> &field : map.fields)
        values.append({labelOf(field.control), settings.*field.value});
    if (const QStringList refused = unfaithfulValueLines(values); !refused.isEmpty())
        return {false, kFailed + u'\n' + refused.join(u'\n')};

    const QString destination = destinationPath(pathText, platformSeparators());
    const Result<QByteArray> stored = EncodeNetCfg(ComposeNetCfg(settings));
    const Result<void> written = stored ? writer.write(destination, *stored) : stored.failure();
    if (!written)
        return {false, kFailed + u'\n' + written.reason()};
    return {true, QStringLiteral("Create configure file success.")};
}

// What Generate does once the settings are read: warnings, the values checked, then the file.
template<typename Settings>
void generate(FileActionHost &host, const FieldMap<Settings> &map, const Settings &settings,
              StoredFileWriter &writer)
{
    for (const QString &warning : recipientWarnings(settings))
        host.showMessage(warning);
    const FieldLabel labelOf = [&host](const QString &control) {
        return host.labelOf(control);
    };
    host.showMessage(writeSection(settings, labelOf, host.text(map.pathField), writer).message);
}

} // namespace

QStringList recipientWarnings(const MmsSettings &settings)
{
    return warningsFor(settings);
}

QStringList recipientWarnings(const SmtpSettings &settings)
{
    return warningsFor(settings);
}

GenerateResult writeSection(const MmsSettings &settings, const FieldLabel &labelOf,
                            const QString &pathText, StoredFileWriter &writer)
{
    return checkAndWrite(settings, mmsFieldMap(), labelOf, pathText, writer);
}

GenerateResult writeSection(const SmtpSettings &settings, const FieldLabel &labelOf,
                            const QString &pathText, StoredFileWriter &writer)
{
    return checkAndWrite(settings, smtpFieldMap(), labelOf, pathText, writer);
}

SmtpSettings readSmtpSettings(const NamedControls &controls, SslValue &ssl)
{
    SmtpSettings settings = readSettings(controls, smtpFieldMap());
    settings.SSL = sslFileValue(settings.SSL, ssl);
    return settings;
}

void GenerateMms(FileActionHost &host, StoredFileWriter &writer)
{
    const FieldMap<MmsSettings> &map = mmsFieldMap();
    generate(host, map, readSettings(host, map), writer);
}

void GenerateMms(FileActionHost &host)
{
    StoredFileWriter writer;
    GenerateMms(host, writer);
}

void GenerateSmtp(FileActionHost &host, SslValue &ssl, StoredFileWriter &writer)
{
    generate(host, smtpFieldMap(), readSmtpSettings(host, ssl), writer);
}

void GenerateSmtp(FileActionHost &host, SslValue &ssl)
{
    StoredFileWriter writer;
    GenerateSmtp(host, ssl, writer);
}
