#pragma once

#include "actions/actionhost.h"

#include <QString>

// The folder button: the Path field's new text for the folder chosen in the folder browser
// (the folder, one separator, NET.CFG), or an empty text when the user cancelled.
QString ChooseFolder(ActionHost &host);
