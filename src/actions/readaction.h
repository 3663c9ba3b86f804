#pragma once

#include "actions/actionhost.h"
#include "carriers/setupmodel.h"

#include <QString>

#include <functional>

// The read button (Command1): puts a card's NET.CFG back into a setup window, as if the user
// had typed and picked what it holds.
//
// It reads where Generate writes (the Path field's folder, then NET.CFG; an empty Path field
// first opens the folder browser as the folder button does, and a cancel ends it). Anything
// but this section leaves the window as it was (a folder just chosen stays in the Path field),
// after one message: the reader's reason, or
//   This NET.CFG holds SMTP settings; read it in the SMTP window.
// When the window holds values that the user edited (edited: since it opened, or since its
// last read or write), it first asks "Replace the values in the window with the card's?"; No
// leaves the window as it was. Otherwise show() gets the setup of the file (setupOfFile in
// carriers/carriers.h): Auto with the country and operator that give its connection values,
// else Manual, and every value the file's, so that Generate writes the same file again. A
// repeated key is worth one message, after show(); a read without one says nothing.
template<typename Settings>
void Read(ActionHost &host, QString &pathText, bool edited,
          const std::function<void(const SetupModel<Settings> &)> &show);
