// The mounted volumes and the removable media folders of Linux (and of other Unix systems,
// where the media folders simply do not exist).
#include "actions/cardfolders.h"

#include <QDir>
#include <QStorageInfo>

QList<MountedVolume> mountedVolumes()
{
    QList<MountedVolume> volumes;
    const QList<QStorageInfo> mounted = QStorageInfo::mountedVolumes();
    for (const QStorageInfo &storage : mounted) {
        if (storage.isValid() && storage.isReady())
            volumes.append({storage.rootPath(), storage.fileSystemType()});
    }
    return volumes;
}

QStringList removableMediaFolders()
{
    // udisks mounts a card at /media/$USER/LABEL (Debian, Ubuntu) or /run/media/$USER/LABEL
    // (Fedora, Arch).
    QString user = qEnvironmentVariable("USER");
    if (user.isEmpty())
        user = QDir::home().dirName();
    return {QStringLiteral("/media/") + user, QStringLiteral("/run/media/") + user};
}
