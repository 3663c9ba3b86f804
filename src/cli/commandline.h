#pragma once

// The command line of camera-setting-tool, for scripted set-ups of many cards:
//
//   camera-setting-tool mms  [options] --out PATH     writes an [MMS] section
//   camera-setting-tool smtp [options] --out PATH     writes an [SMTP] section
//   camera-setting-tool read PATH                     prints the settings the camera reads
//   camera-setting-tool carriers [mms|smtp] [--country NAME]
//   camera-setting-tool --help | --version
//
// A command builds a setup (carriers/setupmodel.h) from its options, one option per key of the
// section, and runs the windows' own steps on it: the carrier steps (carriers/carriers.h) and
// Generate (actions/generate.h), which write the same bytes. One file per command
// (commands.h). It needs QtCore only: no window, no display, no platform plugin.

// Whether the arguments are the command line's: a first argument that does not start with
// "-" (a command, or a mistyped one), or -h, --help, -v or --version. Anything else, no
// argument at all or Qt's own -platform, -style and so on, opens the windows.
bool isCommandLine(int argc, const char *const argv[]);

// Runs the command line. Returns the exit status: 0 done, 1 the file could not be written
// (nothing changed on the card), 2 a usage error.
int runCommandLine(int argc, char *argv[]);
