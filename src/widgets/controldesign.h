#pragma once

#include <QRect>
#include <QSize>
#include <QString>
#include <QStringList>

#include <vector>

// Every window of ours is declared as data: one ControlDesign row per control, built into
// widgets by buildWindow() (controlbuilder.h). Positions and sizes are in twips
// (1/1440 inch, 15 twips per device-independent pixel).

enum class ControlKind {
    Panel, // framed group box with a caption
    PlainPanel, // panel without border or caption
    Label,
    WrappingLabel, // label whose caption wraps at every space (the launcher's tiles)
    TextField, // one-line text field
    SimpleCombo, // combo box without drop-down button: a text field whose list is not shown
    DropDownCombo, // drop-down combo box with editable text
    Button,
    Picture, // the ® logo
};

// Colours: the desktop's system colours, named by the palette role they take, or fixed RGB
// values.
enum class Colour {
    Default, // what the style gives the control
    Highlight, // selected-item background
    HighlightText, // selected-item text (Qt's HighlightedText)
    Base, // the desktop's window background: the ground of a window's contents, white by default
    White, // RGB(255, 255, 255)
    Blue, // RGB(0, 0, 255)
};

enum class Visibility { Shown, Hidden };
enum class Enabled { Yes, No };

// A control whose FontDesign is all default (empty family, no size) uses the window's font.
// Otherwise the control's bold and italic are its own, while an empty family or a zero size
// takes the window's family or size: {{}, 15.75, true} is the window's family at 15.75 pt, bold.
struct FontDesign
{
    QString family; // empty: the window's family
    double pointSize = 0; // 0: the window's size
    bool bold = false;
    bool italic = false;
};

struct ControlDesign
{
    QString name; // the control's system name, used as objectName
    ControlKind kind;
    QString parent = {}; // name of the containing panel; empty: the window
    QRect twips = {}; // left, top, width, height
    QString text = {}; // caption or text after load
    QStringList items = {}; // a combo box's list
    Colour background = Colour::Default;
    Colour foreground = Colour::Default;
    FontDesign font = {};
    Enabled enabled = Enabled::Yes;
    Visibility visibility = Visibility::Shown;
};

// A label and the field or box it names: a screen reader hears the field by the label's
// caption, and Generate names the field by it.
struct LabelFor
{
    QString label;
    QString control;
};

struct WindowDesign
{
    QString name; // "Form1", "Form5", "Form7"
    QString title;
    QSize clientTwips; // client area
    Colour background;
    FontDesign font; // font of every control that names none
    std::vector<ControlDesign> controls = {};
    QStringList tabOrder = {}; // controls that take the focus, in tab order
    std::vector<LabelFor> labels = {};
};

inline constexpr int kTwipsPerPixel = 15;

// Short names for the window tables' columns, so that each row reads as its design.
namespace DesignNames {
inline constexpr auto Panel = ControlKind::Panel;
inline constexpr auto Label = ControlKind::Label;
inline constexpr auto TextField = ControlKind::TextField;
inline constexpr auto SimpleCombo = ControlKind::SimpleCombo;
inline constexpr auto DropDownCombo = ControlKind::DropDownCombo;
inline constexpr auto Button = ControlKind::Button;

inline constexpr auto Default = Colour::Default;
inline constexpr auto Highlight = Colour::Highlight;
inline constexpr auto HighlightText = Colour::HighlightText;
inline constexpr auto Base = Colour::Base;
inline constexpr auto White = Colour::White;
inline constexpr auto Blue = Colour::Blue;

inline constexpr auto Disabled = Enabled::No;
inline constexpr auto Hidden = Visibility::Hidden;
} // namespace DesignNames
