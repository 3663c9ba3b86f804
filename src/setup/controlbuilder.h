#pragma once

#include "setup/controldesign.h"

#include <QColor>
#include <QComboBox>
#include <QLabel>
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

// A label whose caption wraps at every space, so that a run of leading spaces fills whole
// lines and pushes the words further down, as the launcher's tiles are designed.
// QLabel's own word wrap keeps a run of spaces on the first line and shows the words there.
class WrappingLabel : public QLabel
{
    Q_OBJECT

public:
    using QLabel::QLabel;

    // The caption as it is drawn in the given width, one entry per line.
    static QStringList wrapAtSpaces(const QString &text, const QFontMetricsF &metrics, qreal width);

protected:
    void paintEvent(QPaintEvent *event) override;
};

// The "simple" combo box: an editable text field whose list is never shown, so it has no
// drop-down button and no pop-up. Its list is still there and the arrow keys move through it.
class SimpleComboBox : public QComboBox
{
    Q_OBJECT

public:
    explicit SimpleComboBox(QWidget *parent = nullptr);

    void showPopup() override;

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void stretchEditor();
};
