#pragma once

#include "netcfg/result.h"

#include <QByteArray>
#include <QString>

// What --out PATH may name, in two steps: reaching PATH, then checking it.
namespace cli {

// PATH for messages: as given, or, when the system gave bytes that are no valid text, those
// bytes with every one that is no text escaped ("card/\xff"), so that a message never names
// another file.
QString shownOutPath(const QString &given, const QByteArray &raw);

// Makes PATH reachable by Qt's file functions, and returns the path to use for it. given is
// PATH as Qt decoded it, raw as the system gave it. When raw is bytes that are no valid text,
// given names another file (its undecodable bytes replaced), so the folder that raw names, or
// the one that holds the NET.CFG it names, becomes the working folder (chdir), and the path is
// then "." or "NET.CFG". Otherwise the working folder stays and the path is given. Fails, as
// for a folder that does not exist, when raw names neither, or that folder cannot be entered.
Result<QString> enterFolderOfRawPath(const QString &given, const QByteArray &raw);

// The Path field's text for --out PATH, reached as path (enterFolderOfRawPath): PATH is the
// card's folder (an existing folder: the file is PATH/NET.CFG), or NET.CFG (in any case) in an
// existing folder, whatever is there (the card writer refuses a link, a folder or anything
// but a file at NET.CFG, as it does for PATH/NET.CFG). Anything else (a file, a device, a
// folder that does not exist: a typo, or a card that is not mounted; a name too long) is
// refused, naming shown, so that nothing is ever written somewhere else. Changes nothing.
Result<QString> pathFieldForOut(const QString &path, const QString &shown);

} // namespace cli
