#pragma once

// The system's half of the command line: the arguments' bytes, standard input and output, and
// whether there is a display for the windows. One implementation for each platform (unix/,
// win/), chosen by CMake.

#include <QByteArray>
#include <QList>
#include <QString>

#include <cstdio>

namespace cli::console {

// The bytes the system gave for every argument of the run, which a file name that is no valid
// text needs; empty where the system gives text (Windows).
QList<QByteArray> argumentBytes(int argc, char *argv[]);

// Makes standard input give its bytes as they are, as a stored NET.CFG or a password is: the
// Windows C runtime would otherwise take CR LF for a line end and Ctrl+Z for the end.
void readInputAsBytes();

// Writes text to stream as text where stream is a console, and returns true: a Windows
// console shows its own (OEM) code page, not the ANSI one of the bytes that a pipe or a file
// gets. False, and nothing written, where stream is no such console (a pipe, a file, any
// POSIX terminal): then it takes the bytes.
bool writeToConsole(std::FILE *stream, const QString &text);

// Whether the windows would find no display: the platform they would open on (-platform's,
// else QT_QPA_PLATFORM's, else the desktop's own) needs DISPLAY or WAYLAND_DISPLAY, and it is
// not set. False for another platform, which Qt must judge (offscreen, say), and on Windows,
// whose desktop is always there.
bool displayMissing(int argc, const char *const argv[]);

// Why the file that path names may not hold a secret: it is no file (a folder, a device). A
// pipe is one (a shell's <(command) gives one). Empty when it may.
QString notASecretFile(const QString &path);

// The mode of a file that other users of the computer may read ("0644"); empty when only its
// owner may, or where the system keeps no such mode (Windows).
QString modeReadableByOthers(const QString &path);

} // namespace cli::console
