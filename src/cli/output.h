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
// The parser's own complaint, with a pointer to the command's help.
int parseError(const QString &command, const QCommandLineParser &parser);

// -h, --help.
QCommandLineOption addHelp(QCommandLineParser &parser);
// A command's help: its usage line in place of Qt's, which names the program only.
QString helpText(const QCommandLineParser &parser, const QString &usage);

// The name of names that is name; failing that, the only one that is name in another case.
std::optional<QString> findName(const QStringList &names, const QString &name);
const CountryEntry *findCountry(const CountryTable &table, const QString &name);

} // namespace cli
