#pragma once

#include <QDirIterator>
#include <QFile>
#include <QMap>
#include <QTest>

// Every entry under root: a file's contents, "<dir>" for a folder, "<link> target" for a
// symbolic link and "<special>" for a FIFO, socket or device. Only regular files are
// opened, so that a FIFO or a link to an endless device cannot hang the test.
inline QMap<QString, QByteArray> snapshot(const QString &root)
{
    QMap<QString, QByteArray> entries;
    QDirIterator it(root, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QFileInfo info(it.next());
        QFile file(info.filePath());
        entries[info.filePath()] = info.isSymLink() ? "<link> " + info.symLinkTarget().toUtf8()
            : info.isDir()                          ? "<dir>"
            : !info.isFile()                        ? "<special>"
            : file.open(QIODevice::ReadOnly)        ? file.readAll()
                                                    : "<unreadable>";
    }
    return entries;
}

inline QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Writes bytes to path; fails the calling test (QVERIFY) when it cannot.
inline void put(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}
