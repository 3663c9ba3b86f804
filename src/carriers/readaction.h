#pragma once

#include "netcfg/fileactions.h"

#include <functional>

// The read button (Command1) of the setup windows: puts a card's NET.CFG back into the
// window, as if the user had typed and picked what it holds.
//
// It reads where Generate writes (the Path field's folder, then NET.CFG; an empty Path field
// first opens the folder browser as the folder button does, and a cancel ends it) through
// ReadNetCfg (netcfg/readnetcfg.h). Anything but this window's section leaves the window as it
// was (a folder just chosen in the browser stays in the Path field), after one message: the
// reader's reason, or
//   This NET.CFG holds SMTP settings; read it in the SMTP window.
// Otherwise, when the connection values are what one operator's pick would give
// (recogniseOperator), the window shows Auto with that country and operator picked through the
// same steps as the user's picks; else Manual. Then every field of the window's field map
// shows the file's value, so that Generate writes the same file again. A repeated key is worth
// one message, after the window is filled; a read without one says nothing.
//
// applySettingMode is the window's setting-mode rule, run once the mode box shows the mode.
void ReadMms(FileActionHost &host, const std::function<void()> &applySettingMode);
// As ReadMms. The SSL box shows "YES" for 1, "NO" for 0 and any other value as it stands, and
// ssl takes the file's value, which Generate writes while the box shows neither YES nor NO.
void ReadSmtp(FileActionHost &host, SslValue &ssl, const std::function<void()> &applySettingMode);
