#pragma once

#include <QIcon>

// The application's id: the name of its menu entry, its icon and its metainfo.
inline constexpr char kApplicationId[] = "io.github.camerasettingtool.CameraSettingTool";

// The application's icon: the one installed in the icon theme (hicolor), so that the windows
// show what the menu entry shows; where none is installed (a build run from its tree), the
// same icon built into the program.
QIcon applicationIcon();
