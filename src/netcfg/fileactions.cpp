#include "netcfg/fileactions.h"

#include "netcfg/destination.h"
#include "netcfg/netcfg.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace {

const QString kFolderBrowserTitle = QStringLiteral("请选择软件安装路径：");
const QString kFailed = QStringLiteral("Create configure file failed.");

template<typename Settings> struct Field
{
    const char *name;
    QString Settings::*value;
};

// Which window field feeds which key. SSL is not a field: it comes from the SSL value.
// clang-format off
const Field<MmsSettings> kMmsFields[] = {
    {"Text4", &MmsSettings::URL},
    {"Text1", &MmsSettings::APN},
    {"Text5", &MmsSettings::IP},
    {"Text6", &MmsSettings::Port},
    {"Text7", &MmsSettings::Phone1},
    {"Text8", &MmsSettings::Phone2},
    {"Text9", &MmsSettings::Phone3},
    {"Text10", &MmsSettings::Phone4},
    {"Text11", &MmsSettings::Phone5},
    {"Text12", &MmsSettings::Email1},
    {"Text13", &MmsSettings::Email2},
    {"Text14", &MmsSettings::Email3},
    {"Text15", &MmsSettings::Email4},
    {"Text16", &MmsSettings::Email5},
    {"Text3", &MmsSettings::APNAccount},
    {"Text2", &MmsSettings::APNPassword},
};

const Field<SmtpSettings> kSmtpFields[] = {
    {"Text1", &SmtpSettings::APN},
    {"Text4", &SmtpSettings::Server},
    {"Text5", &SmtpSettings::Port},
    {"Text6", &SmtpSettings::Sender},
    {"Text17", &SmtpSettings::Password},
    {"Text12", &SmtpSettings::Email1},
    {"Text13", &SmtpSettings::Email2},
    {"Text14", &SmtpSettings::Email3},
    {"Text15", &SmtpSettings::Email4},
    {"Text16", &SmtpSettings::Email5},
    {"Text7", &SmtpSettings::Phone1},
    {"Text2", &SmtpSettings::APNAccount},
    {"Text3", &SmtpSettings::APNPassword},
};
// clang-format on

const QString kPhone1Field = QStringLiteral("Text7");
const QString kEmail1Field = QStringLiteral("Text12");
const QString kMmsPathField = QStringLiteral("Text17");
const QString kSmtpPathField = QStringLiteral("Text18");
const QString kSslBox = QStringLiteral("Combo5");

template<typename Settings, std::size_t N>
Settings readFields(const FileActionHost &host, const Field<Settings> (&fields)[N])
{
    Settings settings;
    for (const Field<Settings> &field : fields)
        settings.*field.value = host.fieldText(QString::fromLatin1(field.name));
    return settings;
}

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
        host.setFieldText(pathField, QString());
        return;
    }
    host.setFieldText(pathField,
                      pathFieldForFolder(QDir::toNativeSeparators(*folder), platformSeparators(),
                                         QDir::separator()));
}

void Generate(FileActionHost &host, Section section, SslValue &ssl, StoredFileWriter &writer)
{
    if (host.fieldText(kPhone1Field).isEmpty())
        host.showMessage(QStringLiteral("Need Phone Number Input"));
    if (host.fieldText(kEmail1Field).isEmpty())
        host.showMessage(QStringLiteral("Need Email Input"));

    QByteArray plain;
    QString pathField;
    if (section == Section::Mms) {
        plain = ComposeNetCfg(readFields(host, kMmsFields));
        pathField = kMmsPathField;
    } else {
        const QString sslBox = host.fieldText(kSslBox);
        if (sslBox == u"YES")
            ssl.text = QStringLiteral("1");
        if (sslBox == u"NO")
            ssl.text = QStringLiteral("0");
        SmtpSettings settings = readFields(host, kSmtpFields);
        settings.SSL = ssl.text;
        plain = ComposeNetCfg(settings);
        pathField = kSmtpPathField;
    }

    const QString destination = destinationPath(host.fieldText(pathField), platformSeparators());

    QString error;
    const std::optional<QByteArray> stored = EncodeNetCfg(plain, &error);
    if (!stored || !writer.write(destination, *stored, &error)) {
        host.showMessage(kFailed + u'\n' + error);
        return;
    }
    host.showMessage(QStringLiteral("Create configure file success."));
}

void Generate(FileActionHost &host, Section section, SslValue &ssl)
{
    StoredFileWriter writer;
    Generate(host, section, ssl, writer);
}
