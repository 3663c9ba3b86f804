#include "netcfg/fileactions.h"

#include "netcfg/destination.h"
#include "netcfg/faithful.h"
#include "netcfg/fieldmap.h"
#include "netcfg/netcfg.h"

#include <QDir>

namespace {

const QString kFolderBrowserTitle = QStringLiteral("请选择软件安装路径：");
const QString kFailed = QStringLiteral("Create configure file failed.");

// What Generate does once the settings are read: warnings, the values checked, then the file.
template<typename Settings>
void generate(FileActionHost &host, const FieldMap<Settings> &map, const Settings &settings,
              StoredFileWriter &writer)
{
    if (settings.Phone1.isEmpty())
        host.showMessage(QStringLiteral("Need Phone Number Input"));
    if (settings.Email1.isEmpty())
        host.showMessage(QStringLiteral("Need Email Input"));

    QList<LabelledValue> values;
    for (const Field<Settings> &field : map.fields)
        values.append({host.labelOf(field.control), settings.*field.value});
    if (const QStringList refused = unfaithfulValueLines(values); !refused.isEmpty()) {
        host.showMessage(kFailed + u'\n' + refused.join(u'\n'));
        return;
    }

    const QString destination = destinationPath(host.text(map.pathField), platformSeparators());
    QString error;
    const std::optional<QByteArray> stored = EncodeNetCfg(ComposeNetCfg(settings), &error);
    if (!stored || !writer.write(destination, *stored, &error)) {
        host.showMessage(kFailed + u'\n' + error);
        return;
    }
    host.showMessage(QStringLiteral("Create configure file success."));
}

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
    const FieldMap<SmtpSettings> &map = smtpFieldMap();
    SmtpSettings settings = readSettings(host, map);
    // The SSL box says "YES" or "NO"; anything else keeps the value last set in this run.
    if (settings.SSL == u"YES")
        ssl.text = QStringLiteral("1");
    if (settings.SSL == u"NO")
        ssl.text = QStringLiteral("0");
    settings.SSL = ssl.text;
    generate(host, map, settings, writer);
}

void GenerateSmtp(FileActionHost &host, SslValue &ssl)
{
    StoredFileWriter writer;
    GenerateSmtp(host, ssl, writer);
}
