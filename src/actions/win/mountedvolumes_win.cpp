// The mounted volumes of Windows, each with whether its drive is removable (a card reader's
// slot or a camera connected as a drive).
#include "actions/cardfolders.h"

#include <QDir>
#include <QStorageInfo>

#include <windows.h>

QList<MountedVolume> mountedVolumes()
{
    QList<MountedVolume> volumes;
    const QList<QStorageInfo> mounted = QStorageInfo::mountedVolumes();
    for (const QStorageInfo &storage : mounted) {
        if (!storage.isValid() || !storage.isReady())
            continue;
        const QString root = QDir::toNativeSeparators(storage.rootPath()); // "E:\"
        const bool removable
            = GetDriveTypeW(reinterpret_cast<const wchar_t *>(root.utf16())) == DRIVE_REMOVABLE;
        volumes.append({storage.rootPath(), storage.fileSystemType(), removable});
    }
    return volumes;
}

QStringList removableMediaFolders()
{
    return {};
}
