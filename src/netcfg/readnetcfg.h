#pragma once

#include "netcfg/result.h"
#include "netcfg/settings.h"

#include <QByteArrayView>
#include <QString>
#include <QStringList>

#include <variant>

// Reading a NET.CFG back as the camera reads it: the way back from ComposeNetCfg and
// EncodeNetCfg (netcfg.h). QtCore only; it needs no window and shows nothing.

// What a NET.CFG says: its section's settings, a key that the file does not give left empty.
struct NetCfgFile
{
    std::variant<MmsSettings, SmtpSettings> settings;
    // Keys of the section that the file gives more than once, each named once, in the order
    // of their second appearance. The first line of such a key counts, the others are ignored.
    QStringList repeatedKeys;
};

// Reads the NET.CFG at path. Only a regular file of at most kMaxPlainFormSize bytes is
// opened and read: anything else standing there (a symbolic link too, whatever it points to)
// is refused after a look at it without opening it, and a larger file is refused from its
// size, never read. The bytes then go through ParseNetCfg. A failure names the file:
//   There is no NET.CFG in /media/card.
//   /media/card/NET.CFG is not a settings file: it is a FIFO, not a regular file.
//   /media/card/NET.CFG is not a settings file: it is empty.
//   /media/card/NET.CFG is not a settings file: it holds 40000 bytes, and the camera
//     reads at most 32767.
//   /media/card/NET.CFG is not a settings file: its first line is neither [MMS] nor [SMTP].
//   Cannot read /media/card/NET.CFG: Permission denied
Result<NetCfgFile> ReadNetCfg(const QString &path);

// The settings that a stored form holds, as the camera reads them: each byte undone by the
// camera's reading of the substitution (decodeBytes), the text converted from the file's code
// page (fromFileCodePage), then read line by line. A CR, an LF or both end a line, and empty
// lines are skipped. The first line must be exactly [MMS] or [SMTP]. Every other line is
// key=value, split at its first "="; nothing is trimmed. A line without "=", or with a key
// that its section does not have, is ignored, and the first line of a repeated key counts.
// Refuses an empty stored form and one over kMaxPlainFormSize bytes, naming "The file".
Result<NetCfgFile> ParseNetCfg(QByteArrayView stored);
