#pragma once

#include <QIcon>

// The application's icon: the one installed in the icon theme (hicolor), so that the windows
// show what the menu entry shows; where none is installed (a build run from its tree), the
// same icon built into the program.
QIcon applicationIcon();

class QWidget;

// Gives every window of ours and every dialog the application's icon (so that docks and task
// switchers show it) once the shown window has been painted the first time. Loading the icon
// is no part of that paint and costs about a tenth of the start-up; a window that is shown
// already takes the icon all the same.
void setApplicationIconAfterFirstPaint(QWidget *window);
