#pragma once

#include <Qt>

class QWidget;

// How a borderless window of ours stays out of the task bar and the window switcher.
//
// On Windows and macOS a tool window is left out of both. On X11 a tool window is only a
// "utility" window, which task bars list all the same. There our windows are dialog windows
// of the application instead (transient for it, as a tool window is) that carry
// _NET_WM_STATE_SKIP_TASKBAR and _NET_WM_STATE_SKIP_PAGER. Not ordinary windows: a window
// manager may take an ordinary window that skips the task bar for a helper that it gives no
// focus, neither when it appears nor when a dialog over it closes (openbox does). Nor tool
// windows: Qt raises an X11 tool window just before it maps it, and the window system's
// answer to that misleads Qt about the window's place (see FramelessWindow::setVisible).
Qt::WindowFlags unlistedWindowFlags();

// Marks the window's native window as one to leave out of the task bar and the pager. Call it
// before every mapping: a window manager drops the state of a window that is withdrawn.
// Creates the native window if it does not exist yet. Does nothing off X11.
void keepOutOfTaskBar(QWidget *window);
