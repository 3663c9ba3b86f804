#pragma once

#include <QString>

#include <optional>

// The command line of camera-setting-tool, for scripted set-ups of many cards:
//
//   camera-setting-tool mms  [options] --out PATH     writes an [MMS] section
//   camera-setting-tool smtp [options] --out PATH     writes an [SMTP] section
//   camera-setting-tool test-mail [options]           tries the SMTP mail account
//   camera-setting-tool read PATH                     prints the settings the camera reads
//   camera-setting-tool carriers [mms|smtp] [--country NAME]
//   camera-setting-tool mail-providers [DOMAIN]
//   camera-setting-tool --help | --version
//
// A command builds a setup (carriers/setupmodel.h) from its options, one option per key of the
// section, and runs the windows' own steps on it: the carrier steps (carriers/carriers.h) and
// Generate (actions/generate.h), which write the same bytes. A command is a class in a file
// of its own and a row of the command table (commands.h). It needs QtCore only: no window, no
// display, no platform plugin.

namespace cli {

// The exit statuses: done; NET.CFG could not be written (nothing changed on the card), or the
// output could not be; a usage error, the windows' too (no display to open them on); NET.CFG
// was written, but the success could not be told (the output could not be written).
enum Status { Done = 0, Failed = 1, Usage = 2, WrittenUntold = 3 };

} // namespace cli

// Whether the arguments are the windows': none at all, or a first argument that is one of
// Qt's own options for windows (-platform, -style, -geometry and the like). Anything else is
// the command line's: a command, help, version, or a mistake that it reports.
bool opensWindows(int argc, const char *const argv[]);

// Why the windows cannot open here, for the user: no display to open them on (a usage error,
// cli::Usage). Nothing when they can, or when the platform is one that Qt must judge
// (offscreen, say).
std::optional<QString> whyNoWindows(int argc, const char *const argv[]);

// Runs the command line. Returns the exit status (cli::Status).
int runCommandLine(int argc, char *argv[]);
