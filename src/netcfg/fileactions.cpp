#include "netcfg/fileactions.h"

#include "netcfg/destination.h"
#include "netcfg/fieldmap.h"
#include "netcfg/netcfg.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace {

const QString kFolderBrowserTitle = QStringLiteral("请选择软件安装路径：");
const QString kFailed = QStringLiteral("Create configure file failed.");

// A path as the user reads it in a message.
QString shown(const QString &path)
{
    return QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath());
}

// Replaces the file at path with bytes all at once, or leaves it as it was.
bool replaceFile(const QString &path, const QByteArray &bytes, QString *error)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        *error = QStringLiteral("Cannot create %1: %2").arg(shown(path), file.errorString());
        return false;
    }
    if (file.write(bytes) != bytes.size() || !file.commit()) {
        *error = QStringLiteral("Cannot write %1: %2").arg(shown(path), file.errorString());
        file.cancelWriting();
        return false;
    }
    return true;
}

} // namespace

QByteArray StoredFileWriter::readBack(const QString &path, QString *error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = file.errorString();
        return {};
    }
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        *error = file.errorString();
    return bytes;
}

bool StoredFileWriter::write(const QString &path, const QByteArray &stored, QString *error)
{
    const auto fail = [&](const QString &why) {
        if (error)
            *error = why;
        return false;
    };

    // Keep the previous file, to put it back if the card does not hold what was written.
    const QFileInfo info(path);
    std::optional<QByteArray> previous;
    if (info.exists() && !info.isDir()) {
        QFile old(path);
        if (old.open(QIODevice::ReadOnly))
            previous = old.readAll();
        if (!previous || old.error() != QFileDevice::NoError)
            return fail(QStringLiteral("Cannot read the existing %1: %2")
                            .arg(shown(path), old.errorString()));
    }

    QString writeError;
    if (!replaceFile(path, stored, &writeError))
        return fail(writeError);

    QString readError;
    const QByteArray onCard = readBack(path, &readError);
    if (readError.isEmpty() && onCard == stored)
        return true;

    QString why = readError.isEmpty()
        ? QStringLiteral("%1 does not hold what was written to it.").arg(shown(path))
        : QStringLiteral("Cannot read back %1: %2").arg(shown(path), readError);
    if (previous) {
        QString restoreError;
        if (!replaceFile(path, *previous, &restoreError))
            why += QStringLiteral("\nThe previous file could not be put back. ") + restoreError;
    } else if (!QFile::remove(path)) {
        why += QStringLiteral("\nThe new file could not be removed.");
    }
    return fail(why);
}

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

// What Generate does once the settings are read: warnings, then the file.
template<typename Settings>
void generate(FileActionHost &host, const Settings &settings, const QString &pathField,
              StoredFileWriter &writer)
{
    if (settings.Phone1.isEmpty())
        host.showMessage(QStringLiteral("Need Phone Number Input"));
    if (settings.Email1.isEmpty())
        host.showMessage(QStringLiteral("Need Email Input"));

    const QString destination = destinationPath(host.text(pathField), platformSeparators());
    QString error;
    const std::optional<QByteArray> stored = EncodeNetCfg(ComposeNetCfg(settings), &error);
    if (!stored || !writer.write(destination, *stored, &error)) {
        host.showMessage(kFailed + u'\n' + error);
        return;
    }
    host.showMessage(QStringLiteral("Create configure file success."));
}

} // namespace

void GenerateMms(FileActionHost &host, StoredFileWriter &writer)
{
    const FieldMap<MmsSettings> &map = mmsFieldMap();
    generate(host, readSettings(host, map), map.pathField, writer);
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
    generate(host, settings, map.pathField, writer);
}

void GenerateSmtp(FileActionHost &host, SslValue &ssl)
{
    StoredFileWriter writer;
    GenerateSmtp(host, ssl, writer);
}
