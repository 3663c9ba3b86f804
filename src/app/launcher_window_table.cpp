// The launcher window's design: every control as it stands once the window is loaded.
#include "app/launcherwindow.h"
#include "version.h"

namespace {

const FontDesign kTile {QStringLiteral("Times New Roman"), 14.25, true};
const FontDesign kSelectorLabel {QStringLiteral("Times New Roman"), 15.75, true};

// A tile's caption: its run of leading spaces pushes the name down to the lower part of the tile.
QString tile(int spaces, const char *name)
{
    return QString(spaces, u' ') + QLatin1String(name);
}

} // namespace

// clang-format off
const WindowDesign &launcherWindowDesign()
{
    static const WindowDesign design{
        QStringLiteral("Form1"), QStringLiteral("Camera Setting Tool"), QSize(11610, 8550),
        Colour::Highlight, FontDesign{},
        {
            // name,     kind,                      parent,   left, top, width, height,    text, list, background, text colour, font, enabled, visibility
            {"Picture1", ControlKind::Picture,      {},       {10200, 720, 735, 735},     {}, {}, Colour::Highlight, Colour::HighlightText},
            {"Frame4",   ControlKind::PlainPanel,   {},       {7440, 5760, 3000, 1600},   {}, {}, Colour::White},
            {"Label4",   ControlKind::WrappingLabel, "Frame4", {0, 0, 3015, 1575},        tile(95, "Camera"), {}, Colour::HighlightText, Colour::Blue, kTile, Enabled::No},
            {"Frame3",   ControlKind::PlainPanel,   {},       {4200, 5760, 3000, 1600},   {}, {}, Colour::White},
            {"Label5",   ControlKind::WrappingLabel, "Frame3", {0, 0, 3015, 1575},        tile(91, "MMS Setting"), {}, Colour::Base, Colour::Blue, kTile},
            {"Frame2",   ControlKind::PlainPanel,   {},       {960, 5760, 3000, 1600},    {}, {}, Colour::White},
            {"Label6",   ControlKind::WrappingLabel, "Frame2", {0, 0, 3015, 1575},        tile(90, "SMTP Setting"), {}, Colour::Base, Colour::Blue, kTile},
            {"Combo2",   ControlKind::SimpleCombo,  {},       {7920, 3720, 1695, 480},    "VX41x", {"VX305", "VX297", "VX298"},
                         Colour::Highlight, Colour::HighlightText, {"Arial", 15.75, true}, Enabled::No},
            {"Combo1",   ControlKind::SimpleCombo,  {},       {3000, 3720, 1695, 480},    "English",
                         {"中文", "Cesky", "Deutsch", "English", "Espanol", "Italiano", "Francais", "Lingua", "Magyar", "Portugues", "Slovensko", "Suomi"},
                         Colour::Highlight, Colour::HighlightText, kSelectorLabel, Enabled::No},
            {"Label1",   ControlKind::Label,        {},       {840, 720, 9930, 2055},     "Veltrane", {}, Colour::Highlight, Colour::HighlightText, {"Times New Roman", 96, true, true}},
            {"Label7",   ControlKind::Label,        {},       {7800, 7800, 2415, 375},    "Version " CST_LAUNCHER_VERSION, {}, Colour::Highlight, Colour::HighlightText, {"Times New Roman", 15.75, true, true}},
            {"Label3",   ControlKind::Label,        {},       {6600, 3720, 1215, 495},    "Camera", {}, Colour::Highlight, Colour::HighlightText, kSelectorLabel},
            {"Label2",   ControlKind::Label,        {},       {1440, 3720, 1335, 495},    "Language", {}, Colour::Highlight, Colour::HighlightText, kSelectorLabel},
        },
        {"Label6", "Label5"},
        {{"Label2", "Combo1"}, {"Label3", "Combo2"}},
    };
    return design;
}
// clang-format on
