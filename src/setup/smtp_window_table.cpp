#include "setup/smtpwindow.h"

// The SMTP setup window Form7 as designed. Colours: panels and labels on the highlight
// colour; every text field and combo box in blue, the recipients' fields on highlight-text;
// white button faces. Only Phone 1 of the five phone rows is offered. Command5, the test
// e-mail, is ours: it sits in the gap of the bottom row between Read and Generate, and takes
// the focus after the SSL box.

namespace {

using namespace DesignNames;

const FontDesign kFont {QStringLiteral("Times New Roman"), 14.25, true};
const FontDesign kFolderButtonFont {QStringLiteral("Times New Roman"), 15.75, true};

WindowDesign makeDesign()
{
    // clang-format off
    return WindowDesign{
        "Form7", "VX305", {11610, 8850}, Highlight, kFont,
        {
            // name       kind           parent     left, top, width, height   text               list                                  background     foreground
            {"Frame1",   Panel,         "",        {120, 120, 11145, 1380},   "SMTP Setting",    {},                                   Highlight,     HighlightText},
            {"Label1",   Label,         "Frame1",  {240, 440, 1845, 330},     "Wireless Mode",   {},                                   Highlight,     White},
            {"Combo2",   SimpleCombo,   "Frame1",  {2880, 360, 2895, 450},    "SMTP",            {"SMTP"},                             Default,       Blue,          {}, Disabled},
            {"Label2",   Label,         "Frame1",  {6120, 440, 1635, 330},    "Setting Mode",    {},                                   Highlight,     White},
            {"Combo1",   DropDownCombo, "Frame1",  {8280, 360, 2655, 450},    kAutoMode,         {kAutoMode, kManualMode},             Default,       Blue},
            {"Label3",   Label,         "Frame1",  {240, 880, 1080, 330},     "Country",         {},                                   Highlight,     White},
            {"Combo3",   DropDownCombo, "Frame1",  {2880, 840, 2895, 450},    "",                countryNames(countryTable<SmtpSettings>()),   Default,       Blue},
            {"Label4",   Label,         "Frame1",  {6120, 880, 1260, 330},    "Operators",       {},                                   Highlight,     White},
            {"Combo4",   DropDownCombo, "Frame1",  {8280, 840, 2655, 450},    "",                {"China Mobile", "China Unicom"},     Default,       Blue},

            {"Frame8",   Panel,         "",        {120, 1560, 5535, 2895},   "GPRS Setting",    {},                                   Highlight,     HighlightText},
            {"Label5",   Label,         "Frame8",  {240, 440, 630, 330},      "APN",             {},                                   Highlight,     White},
            {"Text1",    TextField,     "Frame8",  {1680, 360, 3675, 465},    "",                {},                                   Default,       Blue,          {}, Disabled, Hidden},
            {"Label6",   Label,         "Frame8",  {240, 920, 1080, 330},     "Account",         {},                                   Highlight,     White},
            {"Text2",    TextField,     "Frame8",  {1680, 840, 3675, 465},    "",                {},                                   Default,       Blue,          {}, Disabled, Hidden},
            {"Label7",   Label,         "Frame8",  {240, 1400, 1200, 330},    "Password",        {},                                   Highlight,     White},
            {"Text3",    TextField,     "Frame8",  {1680, 1320, 3675, 465},   "",                {},                                   Default,       Blue,          {}, Disabled, Hidden},

            {"Frame2",   Panel,         "",        {6000, 1560, 5295, 2895},  "Server Setting",  {},                                   Highlight,     HighlightText},
            {"Label8",   Label,         "Frame2",  {120, 440, 855, 330},      "Server",          {},                                   Highlight,     White},
            {"Text4",    TextField,     "Frame2",  {1440, 360, 3555, 465},    "",                {},                                   Default,       Blue},
            {"Label9",   Label,         "Frame2",  {120, 920, 585, 330},      "Port",            {},                                   Highlight,     White},
            {"Text5",    TextField,     "Frame2",  {1440, 840, 3555, 465},    "",                {},                                   Default,       Blue},
            {"Label10",  Label,         "Frame2",  {120, 1400, 855, 375},     "Email",           {},                                   Highlight,     HighlightText},
            {"Text6",    TextField,     "Frame2",  {1440, 1320, 3555, 465},   "",                {},                                   Default,       Blue},
            {"Label11",  Label,         "Frame2",  {120, 1880, 1335, 375},    "Password",        {},                                   Highlight,     HighlightText},
            {"Text17",   TextField,     "Frame2",  {1440, 1800, 3555, 465},   "",                {},                                   Default,       Blue},
            {"Label22",  Label,         "Frame2",  {120, 2440, 1095, 375},    "SSL",             {},                                   Highlight,     HighlightText},
            {"Combo5",   DropDownCombo, "Frame2",  {1440, 2400, 3615, 450},   kSslYes,           {kSslYes, kSslNo},                    Default,       Blue},

            {"Frame6",   Panel,         "",        {120, 4440, 5535, 3015},   "Phone Setting",   {},                                   Highlight,     HighlightText},
            {"Label12",  Label,         "Frame6",  {120, 560, 990, 330},      "Phone 1",         {},                                   Highlight,     White},
            {"Text7",    TextField,     "Frame6",  {1200, 480, 4155, 465},    "",                {},                                   HighlightText, Blue},
            {"Label13",  Label,         "Frame6",  {120, 1040, 990, 330},     "Phone 2",         {},                                   Highlight,     White,         {}, Enabled::Yes, Hidden},
            {"Label14",  Label,         "Frame6",  {120, 1520, 990, 330},     "Phone 3",         {},                                   Highlight,     White,         {}, Enabled::Yes, Hidden},
            {"Label15",  Label,         "Frame6",  {120, 2000, 990, 330},     "Phone 4",         {},                                   Highlight,     White,         {}, Enabled::Yes, Hidden},
            {"Label16",  Label,         "Frame6",  {120, 2480, 990, 330},     "Phone 5",         {},                                   Highlight,     White,         {}, Enabled::Yes, Hidden},
            {"Text8",    TextField,     "Frame6",  {1200, 960, 4155, 465},    "",                {},                                   HighlightText, Blue,          {}, Enabled::Yes, Hidden},
            {"Text9",    TextField,     "Frame6",  {1200, 1440, 4155, 465},   "",                {},                                   HighlightText, Blue,          {}, Enabled::Yes, Hidden},
            {"Text10",   TextField,     "Frame6",  {1200, 1920, 4155, 465},   "",                {},                                   HighlightText, Blue,          {}, Enabled::Yes, Hidden},
            {"Text11",   TextField,     "Frame6",  {1200, 2400, 4155, 465},   "",                {},                                   HighlightText, Blue,          {}, Enabled::Yes, Hidden},

            {"Frame20",  Panel,         "",        {6000, 4440, 5295, 3015},  "Email Setting",   {},                                   Highlight,     HighlightText},
            {"Label17",  Label,         "Frame20", {240, 560, 990, 330},      "Email 1",         {},                                   Highlight,     White},
            {"Label18",  Label,         "Frame20", {240, 1040, 990, 330},     "Email 2",         {},                                   Highlight,     White},
            {"Label19",  Label,         "Frame20", {240, 1520, 990, 330},     "Email 3",         {},                                   Highlight,     White},
            {"Label20",  Label,         "Frame20", {240, 2000, 990, 330},     "Email 4",         {},                                   Highlight,     White},
            {"Label21",  Label,         "Frame20", {240, 2480, 990, 330},     "Email 5",         {},                                   Highlight,     White},
            {"Text12",   TextField,     "Frame20", {1320, 480, 3915, 465},    "",                {},                                   HighlightText, Blue},
            {"Text13",   TextField,     "Frame20", {1320, 960, 3915, 465},    "",                {},                                   HighlightText, Blue},
            {"Text14",   TextField,     "Frame20", {1320, 1440, 3915, 465},   "",                {},                                   HighlightText, Blue},
            {"Text15",   TextField,     "Frame20", {1320, 1920, 3915, 465},   "",                {},                                   HighlightText, Blue},
            {"Text16",   TextField,     "Frame20", {1320, 2400, 3915, 465},   "",                {},                                   HighlightText, Blue},

            {"Label23",  Label,         "",        {480, 7640, 735, 375},     "Path",            {},                                   Highlight,     HighlightText},
            {"Text18",   TextField,     "",        {1440, 7560, 8175, 495},   "",                {},                                   Default,       Blue},
            {"Command4", Button,        "",        {9840, 7560, 975, 495},    "...",             {},                                   White,         Default,       kFolderButtonFont},
            {"Command1", Button,        "",        {1200, 8160, 1335, 500},   "Read",            {},                                   White,         Default},
            {"Command5", Button,        "",        {2760, 8160, 1935, 500},   "Test e-mail",     {},                                   White,         Default},
            {"Command2", Button,        "",        {4920, 8160, 1575, 500},   "Generate",        {},                                   White,         Default},
            {"Command3", Button,        "",        {8760, 8160, 1020, 500},   "Exit",            {},                                   White,         Default},
        },
        {"Combo2", "Combo1", "Combo4", "Combo3",
         "Text16", "Text15", "Text14", "Text13", "Text12",
         "Text5", "Text4", "Text6", "Text3", "Text2", "Text1", "Text17",
         "Command1", "Command2", "Command3",
         "Text11", "Text10", "Text9", "Text8", "Text7",
         "Combo5", "Command5", "Command4", "Text18"},
        {{"Label1", "Combo2"}, {"Label2", "Combo1"}, {"Label3", "Combo3"}, {"Label4", "Combo4"},
         {"Label5", "Text1"}, {"Label6", "Text2"}, {"Label7", "Text3"},
         {"Label8", "Text4"}, {"Label9", "Text5"}, {"Label10", "Text6"}, {"Label11", "Text17"}, {"Label22", "Combo5"},
         {"Label12", "Text7"}, {"Label13", "Text8"}, {"Label14", "Text9"}, {"Label15", "Text10"}, {"Label16", "Text11"},
         {"Label17", "Text12"}, {"Label18", "Text13"}, {"Label19", "Text14"}, {"Label20", "Text15"}, {"Label21", "Text16"},
         {"Label23", "Text18"}},
    };
    // clang-format on
}

} // namespace

const WindowDesign &smtpWindowDesign()
{
    static const WindowDesign design = makeDesign();
    return design;
}
