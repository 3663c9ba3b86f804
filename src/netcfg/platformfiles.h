#pragma once

// The system's half of reading and writing NET.CFG on a card: one implementation for each
// platform (unix/, win/), chosen by CMake. Internal to netcfg: the reader (readnetcfg.h) and the
// card writer (storedfilewriter.h) are the public side.

#include "netcfg/result.h"

#include <QByteArray>
#include <QString>

#include <functional>
#include <memory>
#include <optional>

namespace platform {

// One write's system half. StoredFileWriter::write() runs its steps in their order and words
// every message; each step here does what the system does and tells how it went.
class CardWrite
{
public:
    // How a step went: 0, or the system's code (errno; GetLastError() on Windows).
    using Code = unsigned long;

    // What stands at the destination, looked at without opening it.
    struct Standing
    {
        enum Kind { Nothing, ReplaceableFile, NotAFile, WriteProtected, Unknown } kind;
        QString what; // NotAFile: "a folder", ...; empty where the system does not tell
        Code code = 0; // Unknown: why it could not be looked at; WriteProtected: the denial
    };

    // For the file at path; nothing is opened yet.
    explicit CardWrite(const QString &path);
    CardWrite(const CardWrite &) = delete;
    CardWrite &operator=(const CardWrite &) = delete;
    // Closes what is open; the temporary file stays unless removeTemporary() removed it.
    ~CardWrite();

    // The folder, opened once where the system lets every later step go through it.
    Code openFolder();
    Standing inspect();
    // What another write can tell of a temporary file's writer: Writing (it holds the file),
    // Gone (nobody holds it: the run was killed), or Unknown (a card that keeps no locks, or a
    // file that cannot be opened to ask).
    enum class Writer { Writing, Gone, Unknown };
    // Removes the regular files of this user in the folder for which isTemporary(name) holds and
    // then stale(writer, age) does, without following links.
    void removeStale(const std::function<bool(const QString &name)> &isTemporary,
                     const std::function<bool(Writer writer, qint64 ageMs)> &stale);
    // Creates the temporary file of that name, which only its owner may open, and holds it until
    // it is replaced or removed, so that another write finds its Writer Writing; fails with a
    // code that exists() tells when the name is taken.
    Code create(const QString &name);
    Code write(const QByteArray &bytes);
    // Syncs the temporary file to the card.
    Code sync();
    // What the card gives back of the synced temporary file: read from the card, not from the
    // system's cache. A failure's reason is the system's words.
    Result<QByteArray> readTemporary() const;
    // Gives the temporary file the owner, group and mode (on Windows the rights) of the file it
    // replaces, or a new file's; a card that has none fails nothing.
    void takeOverPermissions();
    Code close();
    // Puts the temporary file in the destination's place, in one step.
    Code replace();
    Code removeTemporary();
    // Makes the replacement last on the card, where the system asks for that.
    Code syncFolder();

    // The temporary file's path, as a message names it.
    QString temporaryShown() const;

    static QString systemText(Code code);
    // Whether code is a lack of permission.
    static bool deniesAccess(Code code);
    // Whether code says that a file of that name exists already.
    static bool exists(Code code);

private:
    struct System; // the system's handles and what inspect() learned, in unix/ and win/
    std::unique_ptr<System> m;
};

// While a temporary file holds the new settings, the interruptions that would end the program
// (Ctrl+C, the terminal's or console's closing, a termination request) are held: only noted,
// until the object goes; then the program ends by the first one noted, as it would have.
class HeldInterruptions
{
public:
    HeldInterruptions();
    HeldInterruptions(const HeldInterruptions &) = delete;
    HeldInterruptions &operator=(const HeldInterruptions &) = delete;
    ~HeldInterruptions();

    // Whether one has arrived since, and then its name for a message (empty where the system
    // gives none).
    static std::optional<QString> arrived();
};

// The bytes of the NET.CFG at path, for the reader: only a regular file of at most
// kMaxPlainFormSize bytes is opened and read; anything else standing there (a symbolic link
// too) is refused after a look at it, without opening it.
Result<QByteArray> readSettingsFile(const QString &path);

} // namespace platform

// The messages both platforms give, each naming the file as the user reads it.
namespace filemessages {

// A path as the user reads it in a message: absolute, with the platform's separators.
QString shown(const QString &path);

// "There is no NET.CFG in /media/card."
Failure noFile(const QString &path);
// "/media/card/NET.CFG is not a settings file: <reason>."
Failure notSettings(const QString &shownPath, const QString &reason);
// "... is not a settings file: it holds N bytes, and the camera reads at most 32767."
Failure tooLarge(const QString &shownPath, qint64 size);

} // namespace filemessages
