#include "setup/mmswindow.h"

// What the MMS window does differently from the SMTP window (smtpwindow.cpp). Its controls
// are declared in mms_window_table.cpp.
const SetupDesign &mmsDesign()
{
    using S = ModeStep;
    // clang-format off
    static const SetupDesign design{
        mmsWindowDesign(),
        /* setting-mode box    */ QStringLiteral("Combo2"),
        /* fields it switches  */ {"Text1", "Text2", "Text3", "Text4", "Text5", "Text6"},
        /* Auto, in this order */ {S::DisableFields, S::EnableBoxes, S::HideFields},
        /* Manual, likewise    */ {S::EnableFields, S::DisableBoxes, S::EmptyBoxes, S::EmptyFields, S::ShowFields},
        /* Path field          */ QStringLiteral("Text17"),
        /* section written     */ Section::Mms,
        /* country box's table */ mms::countryTable(),
        /* operator pick       */ &mms::ChooseOperator,
    };
    // clang-format on
    return design;
}

MmsWindow::MmsWindow(SetupDialogs &dialogs, QWidget *parent)
    : SetupWindow(mmsDesign(), nullptr, dialogs, parent)
{ }
