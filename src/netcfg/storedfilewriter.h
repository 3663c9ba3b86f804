#pragma once

#include "netcfg/result.h"

#include <QByteArray>
#include <QString>

#include <chrono>

namespace platform {
class CardWrite;
}

// What the program says when a write that was asked to stop does not end: the next write
// removes the temporary file as soon as nobody holds it, where the card keeps locks; a card that
// keeps none (some network shares) leaves only the file's age to tell.
inline const QString kCardDoesNotAnswer = QStringLiteral(
    "The card does not answer; a temporary file may remain on it and is removed by the next "
    "write.");
inline const QString kCardDoesNotAnswerKeepingNoLocks = QStringLiteral(
    "The card does not answer; a temporary file may remain on it and is removed by the next "
    "write once it is 10 minutes old.");

// Puts a file on the camera's card so that afterwards the card holds either the file that
// was there before, untouched, or the new one, complete and synced; never anything else.
//
// write() works in the destination's folder, opened once: every later step goes through it
// (on POSIX systems its descriptor), so that a folder renamed or replaced meanwhile cannot
// redirect any of them.
//  1. It refuses a destination that is not a regular file (a folder, FIFO, socket, device,
//     symbolic link or other reparse point, whatever it points to) and an existing file that
//     is write-protected, without opening either. It removes temporary files of its own name
//     pattern that a killed run left in the folder: only its own, and only those that no write
//     holds (where the card keeps no locks: those 10 minutes old).
//  2. It writes the bytes to a new temporary file of a unique name next to the destination,
//     which no one but its owner may open (on POSIX systems: mode 0600), and which it holds
//     until it is replaced or removed (on POSIX systems a lock, flock(); on Windows an open
//     handle that lets nobody else delete it), checking every write, syncs it to the card,
//     then reads it back from the card through readBack() and compares.
//  3. Only then it gives the temporary file the owner, group and mode of the file it replaces
//     (as far as the process may; a new file gets 0666 less the umask), never anything more
//     open than either, renames it over the destination in one step, and syncs the folder so
//     that the rename is on the card too. A card without owners or modes (FAT) gets none,
//     and that fails nothing.
// When any step fails the temporary file is removed and the destination was not touched:
// the previous file is never opened, read, copied or put back. The one exception is a
// failing folder sync after the rename; that is reported as a failure that says so.
//
// Stopping: while the temporary file exists, an interruption (SIGINT, SIGTERM, SIGHUP,
// SIGQUIT; Ctrl+C, Ctrl+Break and the console's closing on Windows) asks the write to stop, as
// stop() does: it stops at its next step, as a failure does, and the signal then takes its
// usual course. If the write has not ended within kStopGrace (the card does not answer), the
// program says cardDoesNotAnswer() on standard error and ends by the signal's default action,
// so that the system ends the wait for the card; a second interruption ends it so at once. An
// interruption the program ignores (nohup) stays ignored. A file-size limit is a failure
// ("File too large"), not the end of the program (SIGXFSZ).
// The steps and their messages are in storedfilewriter.cpp; the system's half of each step is
// platform::CardWrite, in unix/ and win/.
class StoredFileWriter
{
public:
    // How long a write that was asked to stop may take to end.
    static constexpr std::chrono::milliseconds kStopGrace {2000};

    virtual ~StoredFileWriter() = default;

    // Succeeds once bytes are on the card at path. A failure gives the cause in the system's
    // words, naming the path and, for permissions, whether the folder or the file is the
    // problem.
    Result<void> write(const QString &path, const QByteArray &bytes);

    // Asks the write going on in this process (in any thread) to stop, as an interruption
    // does, and waits until it has ended, for grace at most. True when no write is going on
    // any more; false when the card does not answer: the caller then says cardDoesNotAnswer()
    // and ends the program at once (std::_Exit), which ends the wait for the card; returning,
    // or exit(), would wait on with it. Interruptions take this way by themselves; a window
    // calls it on Esc, or when it closes, while its write runs on another thread.
    static bool stop(std::chrono::milliseconds grace = kStopGrace);
    // What to say when stop() found that the card does not answer: kCardDoesNotAnswer, or
    // kCardDoesNotAnswerKeepingNoLocks when the card took no lock on the temporary file. The
    // system's half tells (unix/, win/).
    static QString cardDoesNotAnswer();

protected:
    // What the card gives back of the temporary file that write() has just written and synced
    // there: read from the card, not from the system's cache. Tests override it to make a card
    // give back other bytes.
    virtual Result<QByteArray> readBack(const platform::CardWrite &card);
};
