#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

// Converts text to the code page that NET.CFG is written in: the system's ANSI code page
// on Windows; elsewhere Windows-1252, one byte per character, with "?" for a character
// that Windows-1252 lacks.
QByteArray toFileCodePage(QStringView text);

// The way back: the text that bytes of the file's code page stand for. A character that
// toFileCodePage replaced ("?" off Windows, Windows' best fit such as "L" for "Ł") does not
// come back as itself.
QString fromFileCodePage(QByteArrayView bytes);
