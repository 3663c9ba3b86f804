#pragma once

// What the commands share: their output and their usage errors.

#include "cli/commandline.h"

#include <QString>

#include <cstdio>

namespace cli {

inline const QString kProgram = QStringLiteral("camera-setting-tool");

void print(std::FILE *stream, const QString &text);
// A line on standard output, or on standard error.
void out(const QString &text);
void err(const QString &text);

// Whether everything printed on standard output so far has reached it (flushed now).
bool outputWritten();

// Says what is wrong with a command's arguments and what to do instead; returns Usage.
int usageError(const QString &command, const QString &text);

// A value for a terminal: a backslash as "\\", a control character (NUL, ESC, the C1 range)
// as "\x1b", a bidirectional control as "\u202e", everything else as it is (mail/safetext.h).
QString escaped(const QString &value);
// Bytes that the system gave, such as a file name, for a terminal: valid UTF-8 as its text
// (escaped as above), every other byte as "\xff".
QString escapedBytes(const QByteArray &bytes);

} // namespace cli
