#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

// Where the folder browser looks for the camera's card: the removable volumes that are
// mounted now. The system's half (the volumes, the folders where a desktop mounts removable
// media) has one file per platform in unix/ and win/.

// A mounted volume as the system lists it.
struct MountedVolume
{
    QString rootPath;
    QByteArray fileSystemType; // as the system names it: "vfat", "exfat", "fuseblk", "FAT32"...
    bool removable = false; // the system calls its drive removable (Windows)
};

// The volumes mounted now, in the system's order.
QList<MountedVolume> mountedVolumes();

// The folders under which the desktop mounts removable media for this user: /media/$USER and
// /run/media/$USER on Linux; none on Windows, whose drives say themselves whether they are
// removable.
QStringList removableMediaFolders();

// The root folders of the volumes that may be a camera's card, the likeliest first: a volume
// that the system calls removable, or one of a FAT file system (FAT, exFAT, or one through
// FUSE, as exFAT often is) mounted under one of mediaFolders. A volume with a DCIM folder or a
// NET.CFG at its root comes before those without; otherwise the system's order stays.
QStringList cardFolders(const QList<MountedVolume> &volumes, const QStringList &mediaFolders);

// Where the folder browser opens for a Path field's text: the folder it names, when it names
// one (it holds a separator) and that folder exists; else the first card folder; else the
// first of mediaFolders that exists; else the home folder.
QString browserStartFolder(const QString &pathText, const QStringList &cards,
                           const QStringList &mediaFolders);
