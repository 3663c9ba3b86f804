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

// Says what is wrong with a command's arguments and what to do instead; returns Usage.
int usageError(const QString &command, const QString &text);

// A value for a terminal: a backslash as "\\", a control character (NUL, ESC, the C1 range)
// as "\x1b", everything else as it is.
QString escaped(const QString &value);

} // namespace cli
