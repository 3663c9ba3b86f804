#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

// What must hold for the NET.CFG core whatever the user types. Shared by the fuzzers and by
// the test that replays their committed corpus, so that both check the same things.
// Each check returns an empty string when everything holds, or what went wrong.
namespace oracles {

// Field texts from raw bytes. Byte 0: bit 0 picks the section (0 MMS, 1 SMTP), bits 1-2 how
// the field bytes become text (0 UTF-8, 1 Latin-1, 2 and 3 UTF-16 little-endian). Byte 1 is
// the separator between fields. Byte 2 from 0xF0 up repeats every field's text 3, 9, 27…
// times, which reaches forms past the camera's size limit. The rest are the field texts in key
// order.
//
// Checks: the plain form has the section's layout and one byte per character; the stored
// form has the plain form's length and no CR or LF byte, and reads back as the plain form
// over printable ASCII, CR and LF while every other byte passes unchanged; a form over
// 32,767 bytes is refused with a reason, never cut short. unfaithfulCharacters refuses a
// field exactly when the camera would not read it back as typed (decoded with this file's own
// inverse table and converted back from the code page), and when it refuses none, the camera
// reads the file line by line as the header and each key with its field's text, and so does
// ParseNetCfg: it gives back the section and every field's text, with no repeated key (a form
// past the limit it refuses as too large). The whole input, read as a stored form by
// ParseNetCfg, gives an error exactly when it is refused, and no value holding a line break.
QString checkComposeAndEncode(QByteArrayView input);

// A Path field text from raw bytes. Byte 0: bit 0 picks the separators ("/" or "\" and "/");
// the rest is the text, as UTF-8.
//
// Checks: the destination ends in NET.CFG and is the text up to and including its last
// separator followed by NET.CFG, or NET.CFG in the working directory when the text holds no
// separator; a chosen folder becomes the folder, exactly one separator, then NET.CFG.
QString checkDestination(QByteArrayView input);

// The plain form read back from the stored form with the camera's inverse table. Exact over
// printable ASCII, CR and LF; any other byte comes back as it is.
QByteArray decodeStored(QByteArrayView stored);

} // namespace oracles
