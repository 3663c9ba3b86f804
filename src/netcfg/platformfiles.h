#pragma once

// The system's half of reading and writing NET.CFG on a card: one implementation for each
// platform (unix/, win/), chosen by CMake. Internal to netcfg: the reader (readnetcfg.h) and the
// card writer (storedfilewriter.h) are the public side.

#include "netcfg/result.h"

#include <QByteArray>
#include <QString>

#include <functional>

namespace platform {

// What the card gives back of a file just written and synced: read from the card, not from
// the system's cache.
Result<QByteArray> readFromCard(const QString &path);

// Puts bytes at path as StoredFileWriter::write() describes: a temporary file next to it,
// written, synced and checked with verify, then renamed over path.
using Verify = std::function<Result<void>(const QString &temporary)>;
Result<void> replaceFile(const QString &path, const QByteArray &bytes, const Verify &verify);

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

// The temporary file's name in the destination's folder: hidden, and random enough that no
// other writer picks it (creating it fails rather than opening someone else's file anyway).
QString temporaryName(const QString &fileName);
// Whether name is one that temporaryName(fileName) gives: ".NET.CFG.<16 hex digits>.tmp".
bool isTemporaryName(const QString &name, const QString &fileName);

} // namespace filemessages
