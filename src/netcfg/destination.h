#pragma once

#include <QString>
#include <QStringView>

// The file that the camera reads from its card.
inline const QString kNetCfgFileName = QStringLiteral("NET.CFG");

// Directory separators of the platform: "/" on Linux and macOS; "\" and "/" on Windows.
QStringView platformSeparators();

// A path as the user reads it in a message: absolute, with the platform's separators.
QString shownPath(const QString &path);

// Where Generate writes: everything in pathField up to and including its last separator,
// followed by NET.CFG. Without any separator, NET.CFG in the current working directory
// ("./NET.CFG" with "/" among the separators, ".\NET.CFG" otherwise).
QString destinationPath(const QString &pathField, QStringView separators);

// The Path field's text for a folder chosen in the folder browser: the folder, exactly one
// separator (nativeSeparator unless the folder already ends in one), then NET.CFG.
QString pathFieldForFolder(const QString &folder, QStringView separators, QChar nativeSeparator);
