#pragma once

#include "netcfg/result.h"

#include <QByteArray>
#include <QString>

namespace cli {

// The Path field's text for --out PATH: PATH is the card's folder (an existing folder: the
// file is PATH/NET.CFG), or NET.CFG (in any case) in an existing folder. Anything else (a
// file, a device, a folder that does not exist: a typo, or a card that is not mounted) is
// refused, naming what was given, so that nothing is ever written somewhere else.
//
// raw is PATH as the system gave it; a folder whose name is no valid text is reached by
// making it the working folder, and the text is then "./NET.CFG".
Result<QString> pathTextForOut(const QString &given, const QByteArray &raw);

} // namespace cli
