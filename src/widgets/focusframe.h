#pragma once

class QWidget;

// Shows where the keyboard is: a frame in the palette's highlight colour, inside widget's
// edge, while widget has a focus that the keyboard gave it (Tab, Shift+Tab, a shortcut). A
// click that focuses it shows no frame; a dialog or list that opens and closes over it leaves
// the frame as it was. For the buttons and the launcher's tiles, which draw no focus of their
// own that can be seen on their white faces.
void showKeyboardFocus(QWidget *widget);
