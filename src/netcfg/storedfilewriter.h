#pragma once

#include "netcfg/result.h"

#include <QByteArray>
#include <QString>

namespace platform {
class CardWrite;
}

// Puts a file on the camera's card so that afterwards the card holds either the file that
// was there before, untouched, or the new one, complete and synced; never anything else.
//
// write() works in the destination's folder:
//  1. It refuses a destination that is not a regular file (a folder, FIFO, socket, device or
//     symbolic link, whatever it points to) and an existing file that is write-protected,
//     without opening either. It removes temporary files of its own name pattern that a
//     killed run left in the folder (only its own, and only old ones).
//  2. It writes the bytes to a new temporary file of a unique name next to the destination,
//     which no one but its owner may open (on POSIX systems: mode 0600), checking every write,
//     syncs it to the card, then reads it back from the card through readBack() and compares.
//  3. Only then it gives the temporary file the owner, group and mode of the file it replaces
//     (as far as the process may; a new file gets 0666 less the umask), never anything more
//     open than either, renames it over the destination in one step, and syncs the folder so
//     that the rename is on the card too. A card without owners or modes (FAT) gets none,
//     and that fails nothing.
// When any step fails the temporary file is removed and the destination was not touched:
// the previous file is never opened, read, copied or put back. The one exception is a
// failing folder sync after the rename; that is reported as a failure that says so.
// An interruption (SIGINT, SIGTERM, SIGHUP) waits until write() is over: one that arrives
// before the rename stops the write there, as a failure does; then the signal takes its
// usual course. A file-size limit is a failure ("File too large"), not the end of the
// program (SIGXFSZ).
// The steps and their messages are in storedfilewriter.cpp; the system's half of each step is
// platform::CardWrite, in unix/ and win/.
class StoredFileWriter
{
public:
    virtual ~StoredFileWriter() = default;

    // Succeeds once bytes are on the card at path. A failure gives the cause in the system's
    // words, naming the path and, for permissions, whether the folder or the file is the
    // problem.
    Result<void> write(const QString &path, const QByteArray &bytes);

protected:
    // What the card gives back of the temporary file that write() has just written and synced
    // there: read from the card, not from the system's cache. Tests override it to make a card
    // give back other bytes.
    virtual Result<QByteArray> readBack(const platform::CardWrite &card);
};
