#include "cli/outpath.h"

#include "cli/output.h"
#include "netcfg/destination.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace cli {

namespace {

Failure missing(const QString &shown)
{
    return Failure {u"--out \"%1\" does not exist (is the card mounted?): name the card's "
                    "folder, or the NET.CFG file in it."_s.arg(shown)};
}

bool isTextPath(const QString &given, const QByteArray &raw)
{
    return raw.isEmpty() || QFile::encodeName(given) == raw;
}

} // namespace

QString shownOutPath(const QString &given, const QByteArray &raw)
{
    return isTextPath(given, raw) ? given : escapedBytes(raw);
}

Result<QString> enterFolderOfRawPath(const QString &given, const QByteArray &raw)
{
    if (isTextPath(given, raw))
        return given;
    // The folder is entered by its bytes and named "." from there: raw itself, or the folder
    // that holds the NET.CFG that raw names (the working folder for a bare name). Its name is
    // never decoded, which would make it another's.
    struct stat info = {};
    const bool folder = ::stat(raw.constData(), &info) == 0 && S_ISDIR(info.st_mode);
    const qsizetype slash = raw.lastIndexOf('/');
    if (!folder && raw.mid(slash + 1).toUpper() != kNetCfgFileName.toLatin1())
        return missing(escapedBytes(raw));
    const QByteArray enter = folder ? raw : slash < 0 ? QByteArray(".") : raw.left(qMax(slash, 1));
    if (::chdir(enter.constData()) != 0)
        return missing(escapedBytes(raw));
    return folder ? u"."_s : kNetCfgFileName;
}

Result<QString> pathFieldForOut(const QString &path, const QString &shown)
{
    if (path.isEmpty())
        return Failure {u"--out PATH is empty: name the card's folder, or the NET.CFG file "
                        "in it."_s};

    const QFileInfo info(path);
    QString folder;
    // NET.CFG is the file in its folder, whatever stands there: the writer judges it.
    if (info.fileName().compare(kNetCfgFileName, Qt::CaseInsensitive) == 0) {
        if (QFileInfo(info.path()).isDir())
            folder = info.path();
    } else if (info.isDir()) {
        folder = path;
    }
    if (folder.isEmpty() && info.exists())
        return Failure {u"--out \"%1\" is not a folder: name the card's folder, or the NET.CFG "
                        "file in it."_s.arg(shown)};
    struct stat unused = {};
    if (folder.isEmpty() && ::stat(QFile::encodeName(path).constData(), &unused) != 0
        && errno == ENAMETOOLONG)
        return Failure {
            u"--out \"%1\": %2"_s.arg(shown, QString::fromLocal8Bit(std::strerror(errno)))};
    if (folder.isEmpty())
        return missing(shown);
    return pathFieldForFolder(QDir::toNativeSeparators(folder), platformSeparators(),
                              QDir::separator());
}

} // namespace cli
