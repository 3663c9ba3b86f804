#pragma once

#include "controlspec.h"

class QWidget;

// Creates the window's controls from its declaration: each control is a child of its panel
// (or of the window), carries its system name as objectName, and gets its geometry
// (twips at 15 per device-independent pixel), font, colours, text, list and states.
// Also sets the window's title, client size, background and tab order.
void buildWindow(QWidget *window, const WindowSpec &spec);

int twipsToPixels(int twips);
