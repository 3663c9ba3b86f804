#pragma once

#include <QByteArray>
#include <QString>

// Puts a file on the camera's card so that afterwards the card holds either the file that
// was there before, untouched, or the new one, complete and synced; never anything else.
//
// write() works in the destination's folder:
//  1. It refuses a destination that is not a regular file (a folder, FIFO, socket, device or
//     symbolic link, whatever it points to) and an existing file that is write-protected,
//     without opening either.
//  2. It writes the bytes to a new temporary file of a unique name next to the destination,
//     checking every write, syncs it to the card, then reads it back from the card through
//     readBack() and compares.
//  3. Only then it renames the temporary file over the destination in one step, and syncs
//     the folder so that the rename is on the card too.
// When any step fails the temporary file is removed and the destination was not touched:
// the previous file is never opened, read, copied or put back. The one exception is a
// failing folder sync after the rename; that is reported as a failure that says so.
class StoredFileWriter
{
public:
    virtual ~StoredFileWriter() = default;

    // Returns true once bytes are on the card at path. Otherwise returns false and sets
    // *error (when given) to the cause in the system's words, naming the path and, for
    // permissions, whether the folder or the file is the problem.
    bool write(const QString &path, const QByteArray &bytes, QString *error);

protected:
    // What the card gives back of the temporary file at path, which write() has just
    // written and synced: read from the card, not from the system's cache. Sets *error when
    // it cannot be read. Tests override it to make a card give back other bytes.
    virtual QByteArray readBack(const QString &path, QString *error);
};
