#pragma once

#include <QByteArray>
#include <QStringView>

// Converts text to the code page that NET.CFG is written in: the system's ANSI code page
// on Windows; elsewhere Windows-1252, one byte per character, with "?" for a character
// that Windows-1252 lacks.
QByteArray toFileCodePage(QStringView text);
