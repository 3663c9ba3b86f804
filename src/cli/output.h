#pragma once

// What the commands share: their exit statuses, their output, and their usage errors.

#include "carriers/carriers.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QString>
#include <QStringList>

#include <cstdio>
#include <optional>

namespace cli {

enum Status { Done = 0, Failed = 1, Usage = 2 };

inline const QString kProgram = QStringLiteral("camera-setting-tool");

void print(std::FILE *stream, const QString &text);
// A line on standard output, or on standard error.
void out(const QString &text);
void err(const QString &text);

// Says what is wrong with a command's arguments and what to do instead; returns Usage.
int usageError(const QString &command, const QString &text);

// -h, --help.
QCommandLineOption addHelp(QCommandLineParser &parser);
// Parses a command's arguments: an unknown option, a missing value or an option given twice
// is a usage error, reported here (the status is returned); help prints the command's help
// under its usage line (Done is returned). Nothing when the command is to go on.
std::optional<int> parseCommand(QCommandLineParser &parser, const QCommandLineOption &help,
                                const QString &command, const QString &usage,
                                const QStringList &arguments);

// The name of names that is name; failing that, the only one that is name in another case.
std::optional<QString> findName(const QStringList &names, const QString &name);
const CountryEntry *findCountry(const CountryTable &table, const QString &name);

// A value for a terminal: a backslash as "\\", a control character (NUL, ESC, the C1 range)
// as "\x1b", a bidirectional control as "\u202e", everything else as it is (mail/safetext.h).
QString escaped(const QString &value);

} // namespace cli
