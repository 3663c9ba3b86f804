#pragma once

#include "actions/actionhost.h"

#include <QString>

// The folder button: the Path field's new text for the folder chosen in the folder browser
// (the folder, one separator, NET.CFG), or an empty text when the user cancelled. The browser
// opens at the folder that pathText, the Path field's text, names, or else at the camera's
// card, and offers every card it finds beside it (cardfolders.h).
QString ChooseFolder(ActionHost &host, const QString &pathText);
