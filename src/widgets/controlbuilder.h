#pragma once

#include "widgets/controldesign.h"

#include <QColor>
#include <QPixmap>

class QWidget;

// Creates the window's controls from its declaration: each control is a child of its panel
// (or of the window), carries its system name as objectName, and gets its geometry
// (twips at 15 per device-independent pixel), font, colours, text, list and states.
// Also sets the window's title, client size, background and tab order.
void buildWindow(QWidget *window, const WindowDesign &design);

int twipsToPixels(int twips);

// The colour a Colour names, with the system colours taken from the application palette.
// Colour::Default has no colour of its own: the result is invalid.
QColor systemColour(Colour colour);

// The ® logo, drawn by us: a registered-trademark sign in the sign colour on the ground.
QPixmap drawLogo(const QSize &size, const QColor &ground, const QColor &sign);
