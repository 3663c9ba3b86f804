#include "actions/cardfolders.h"

#include "netcfg/destination.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>

namespace {

// clang-format off
// The file systems a camera's card comes with, as Linux, macOS and Windows name them; exFAT is
// often mounted through FUSE ("fuseblk").
const QByteArrayList kCardFileSystems {"vfat", "msdos", "fat", "fat16", "fat32", "exfat", "fuseblk"};
// clang-format on

bool isUnder(const QString &path, const QString &folder)
{
    return path.startsWith(folder + u'/') && path.size() > folder.size() + 1;
}

bool holdsCameraFiles(const QString &root)
{
    const QDir dir(root);
    return QFileInfo(dir.filePath(QStringLiteral("DCIM"))).isDir()
        || QFileInfo::exists(dir.filePath(kNetCfgFileName));
}

} // namespace

QStringList cardFolders(const QList<MountedVolume> &volumes, const QStringList &mediaFolders)
{
    QStringList cards;
    for (const MountedVolume &volume : volumes) {
        const bool cardFileSystem = kCardFileSystems.contains(volume.fileSystemType.toLower());
        const bool underMedia
            = std::any_of(mediaFolders.begin(), mediaFolders.end(),
                          [&](const QString &folder) { return isUnder(volume.rootPath, folder); });
        if (volume.removable || (cardFileSystem && underMedia))
            cards.append(volume.rootPath);
    }
    std::stable_partition(cards.begin(), cards.end(), holdsCameraFiles);
    return cards;
}

QString browserStartFolder(const QString &pathText, const QStringList &cards,
                           const QStringList &mediaFolders)
{
    const QStringView separators = platformSeparators();
    const bool namesFolder
        = std::any_of(separators.begin(), separators.end(),
                      [&](QChar separator) { return pathText.contains(separator); });
    if (namesFolder) {
        QString folder = destinationPath(pathText, separators);
        folder.chop(kNetCfgFileName.size());
        if (QFileInfo(folder).isDir())
            return folder;
    }
    if (!cards.isEmpty())
        return cards.first();
    for (const QString &folder : mediaFolders) {
        if (QFileInfo(folder).isDir())
            return folder;
    }
    return QDir::homePath();
}
