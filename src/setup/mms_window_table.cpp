#include "setup/mmswindow.h"

// The MMS setup window Form5 as designed. Colours: panels and labels on the highlight
// colour; text fields on highlight-text with the default text colour, so that typed text
// stays readable; the combo boxes' text in the highlight colour.

namespace {

using namespace DesignNames;

const FontDesign kFont {QStringLiteral("Times New Roman"), 14.25, true};
const FontDesign kFolderButtonFont {QStringLiteral("Times New Roman"), 15.75, true};

WindowDesign makeDesign()
{
    // clang-format off
    return WindowDesign{
        "Form5", "VX305 MMS SETTING", {11610, 8550}, Highlight, kFont,
        {
            // name       kind           parent     left, top, width, height   text               list                                  background     foreground
            {"Frame1",   Panel,         "",        {150, 240, 11145, 1380},   "MMS Setting",     {},                                   Highlight,     HighlightText},
            {"Label1",   Label,         "Frame1",  {240, 440, 1845, 330},     "Wireless Mode",   {},                                   Highlight,     White},
            {"Combo1",   SimpleCombo,   "Frame1",  {2280, 360, 2775, 450},    "MMS",             {"MMS"},                              Default,       Highlight,     {}, Disabled},
            {"Label2",   Label,         "Frame1",  {5520, 440, 1635, 330},    "Setting Mode",    {},                                   Highlight,     White},
            {"Combo2",   DropDownCombo, "Frame1",  {7320, 360, 3615, 450},    kAutoMode,         {kAutoMode, kManualMode},             Default,       Highlight},
            {"Label3",   Label,         "Frame1",  {240, 880, 1080, 330},     "Country",         {},                                   Highlight,     White},
            {"Combo3",   DropDownCombo, "Frame1",  {2280, 840, 2775, 450},    "",                countryNames(countryTable<MmsSettings>()),    Default,       Highlight},
            {"Label4",   Label,         "Frame1",  {5520, 880, 1260, 330},    "Operators",       {},                                   Highlight,     White},
            {"Combo4",   DropDownCombo, "Frame1",  {7320, 840, 3615, 450},    "",                {"China Mobile", "China Unicom"},     Default,       Highlight},

            {"Frame2",   Panel,         "",        {120, 1680, 5175, 1860},   "GPRS Setting",    {},                                   Highlight,     HighlightText},
            {"Label5",   Label,         "Frame2",  {240, 440, 1215, 375},     "APN",             {},                                   Highlight,     HighlightText},
            {"Text1",    TextField,     "Frame2",  {1680, 360, 3315, 465},    "",                {},                                   HighlightText, Default,       {}, Disabled, Hidden},
            {"Label7",   Label,         "Frame2",  {240, 920, 1080, 330},     "Account",         {},                                   Highlight,     White},
            {"Text3",    TextField,     "Frame2",  {1680, 840, 3315, 465},    "",                {},                                   HighlightText, Default,       {}, Disabled, Hidden},
            {"Label6",   Label,         "Frame2",  {240, 1400, 1200, 330},    "Password",        {},                                   Highlight,     White},
            {"Text2",    TextField,     "Frame2",  {1680, 1320, 3315, 465},   "",                {},                                   Default,       Default,       {}, Disabled, Hidden},

            {"Frame3",   Panel,         "",        {5640, 1680, 5655, 1860},  "Server Setting",  {},                                   Highlight,     HighlightText},
            {"Label8",   Label,         "Frame3",  {240, 440, 630, 330},      "URL",             {},                                   Highlight,     White},
            {"Text4",    TextField,     "Frame3",  {1320, 360, 4155, 465},    "",                {},                                   HighlightText, Default,       {}, Disabled, Hidden},
            {"Label9",   Label,         "Frame3",  {240, 920, 330, 330},      "IP",              {},                                   Highlight,     White},
            {"Text5",    TextField,     "Frame3",  {1320, 840, 4155, 465},    "",                {},                                   Default,       Default,       {}, Disabled, Hidden},
            {"Label10",  Label,         "Frame3",  {240, 1400, 585, 330},     "Port",            {},                                   Highlight,     White},
            {"Text6",    TextField,     "Frame3",  {1320, 1320, 4155, 465},   "",                {},                                   HighlightText, Default,       {}, Disabled, Hidden},

            {"Frame6",   Panel,         "",        {120, 3600, 5175, 3015},   "Phone Setting",   {},                                   Highlight,     HighlightText},
            {"Label12",  Label,         "Frame6",  {120, 560, 990, 330},      "Phone 1",         {},                                   Highlight,     White},
            {"Label13",  Label,         "Frame6",  {120, 1040, 990, 330},     "Phone 2",         {},                                   Highlight,     White},
            {"Label14",  Label,         "Frame6",  {120, 1520, 990, 330},     "Phone 3",         {},                                   Highlight,     White},
            {"Label15",  Label,         "Frame6",  {120, 2000, 990, 330},     "Phone 4",         {},                                   Highlight,     White},
            {"Label16",  Label,         "Frame6",  {120, 2480, 990, 330},     "Phone 5",         {},                                   Highlight,     White},
            {"Text7",    TextField,     "Frame6",  {1200, 480, 3795, 465},    "",                {},                                   HighlightText, Default},
            {"Text8",    TextField,     "Frame6",  {1200, 960, 3795, 465},    "",                {},                                   HighlightText, Default},
            {"Text9",    TextField,     "Frame6",  {1200, 1440, 3795, 465},   "",                {},                                   HighlightText, Default},
            {"Text10",   TextField,     "Frame6",  {1200, 1920, 3795, 465},   "",                {},                                   HighlightText, Default},
            {"Text11",   TextField,     "Frame6",  {1200, 2400, 3795, 465},   "",                {},                                   HighlightText, Default},

            {"Frame10",  Panel,         "",        {5640, 3600, 5655, 3015},  "Email Setting",   {},                                   Highlight,     HighlightText},
            {"Label17",  Label,         "Frame10", {240, 560, 990, 330},      "Email 1",         {},                                   Highlight,     White},
            {"Label18",  Label,         "Frame10", {240, 1040, 990, 330},     "Email 2",         {},                                   Highlight,     White},
            {"Label19",  Label,         "Frame10", {240, 1520, 990, 330},     "Email 3",         {},                                   Highlight,     White},
            {"Label20",  Label,         "Frame10", {240, 2000, 990, 330},     "Email 4",         {},                                   Highlight,     White},
            {"Label21",  Label,         "Frame10", {240, 2480, 990, 330},     "Email 5",         {},                                   Highlight,     White},
            {"Text12",   TextField,     "Frame10", {1320, 480, 4155, 465},    "",                {},                                   HighlightText, Default},
            {"Text13",   TextField,     "Frame10", {1320, 960, 4155, 465},    "",                {},                                   HighlightText, Default},
            {"Text14",   TextField,     "Frame10", {1320, 1440, 4155, 465},   "",                {},                                   HighlightText, Default},
            {"Text15",   TextField,     "Frame10", {1320, 1920, 4155, 465},   "",                {},                                   HighlightText, Default},
            {"Text16",   TextField,     "Frame10", {1320, 2400, 4155, 465},   "",                {},                                   HighlightText, Default},

            {"Label11",  Label,         "",        {600, 7032, 735, 495},     "Path",            {},                                   Highlight,     HighlightText},
            {"Text17",   TextField,     "",        {1440, 6960, 8175, 495},   "",                {},                                   Default,       Blue},
            {"Command4", Button,        "",        {9840, 6960, 975, 495},    "...",             {},                                   Base,          Default,       kFolderButtonFont},
            {"Command1", Button,        "",        {1440, 7680, 1335, 615},   "Read",            {},                                   Base,          Default},
            {"Command2", Button,        "",        {5160, 7680, 1575, 585},   "Generate",        {},                                   Base,          Default},
            {"Command3", Button,        "",        {8760, 7680, 1140, 585},   "Exit",            {},                                   Base,          Default},
        },
        {"Text2", "Command3", "Command2", "Command1",
         "Text12", "Text13", "Text14", "Text15", "Text16",
         "Text7", "Text8", "Text9", "Text10", "Text11",
         "Text1", "Combo3", "Combo4", "Combo2", "Combo1",
         "Text3", "Text6", "Text4", "Text5", "Text17", "Command4"},
        {{"Label1", "Combo1"}, {"Label2", "Combo2"}, {"Label3", "Combo3"}, {"Label4", "Combo4"},
         {"Label5", "Text1"}, {"Label7", "Text3"}, {"Label6", "Text2"},
         {"Label8", "Text4"}, {"Label9", "Text5"}, {"Label10", "Text6"},
         {"Label12", "Text7"}, {"Label13", "Text8"}, {"Label14", "Text9"}, {"Label15", "Text10"}, {"Label16", "Text11"},
         {"Label17", "Text12"}, {"Label18", "Text13"}, {"Label19", "Text14"}, {"Label20", "Text15"}, {"Label21", "Text16"},
         {"Label11", "Text17"}},
    };
    // clang-format on
}

} // namespace

const WindowDesign &mmsWindowDesign()
{
    static const WindowDesign design = makeDesign();
    return design;
}
