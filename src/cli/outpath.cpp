#include "cli/outpath.h"

#include "netcfg/destination.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <sys/stat.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace cli {

namespace {

Failure missing(const QString &given)
{
    return Failure {u"--out \"%1\" does not exist (is the card mounted?): name the card's "
                    "folder, or the NET.CFG file in it."_s.arg(given)};
}

} // namespace

Result<QString> enterFolderOfRawPath(const QString &given, const QByteArray &raw)
{
    if (raw.isEmpty() || QFile::encodeName(given) == raw)
        return given;
    // The folder is entered by its bytes and named "." from there: raw itself, or the folder
    // that holds the file raw names (the working folder for a bare name).
    struct stat info = {};
    const bool folder = ::stat(raw.constData(), &info) == 0 && S_ISDIR(info.st_mode);
    const qsizetype slash = raw.lastIndexOf('/');
    const QByteArray enter = folder ? raw : slash < 0 ? QByteArray(".") : raw.left(qMax(slash, 1));
    if (::chdir(enter.constData()) != 0)
        return missing(given);
    return folder ? u"."_s : QFile::decodeName(raw.mid(slash + 1));
}

Result<QString> pathFieldForOut(const QString &path, const QString &given)
{
    if (path.isEmpty())
        return Failure {u"--out PATH is empty: name the card's folder, or the NET.CFG file "
                        "in it."_s};

    const QFileInfo info(path);
    QString folder;
    if (info.isDir())
        folder = path;
    else if (info.fileName().compare(kNetCfgFileName, Qt::CaseInsensitive) == 0
             && QFileInfo(info.path()).isDir())
        folder = info.path();
    if (folder.isEmpty() && info.exists())
        return Failure {u"--out \"%1\" is not a folder: name the card's folder, or the NET.CFG "
                        "file in it."_s.arg(given)};
    if (folder.isEmpty())
        return missing(given);
    return pathFieldForFolder(QDir::toNativeSeparators(folder), platformSeparators(),
                              QDir::separator());
}

} // namespace cli
