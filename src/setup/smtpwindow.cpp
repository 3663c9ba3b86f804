#include "setup/smtpwindow.h"

// What the SMTP window does differently from the MMS window (mmswindow.cpp). Its controls
// are declared in smtp_window_table.cpp.
const SetupDesign &smtpDesign()
{
    using S = ModeStep;
    // clang-format off
    static const SetupDesign design{
        smtpWindowDesign(),
        /* setting-mode box    */ QStringLiteral("Combo1"),
        /* fields it switches  */ {"Text1", "Text2", "Text3"},
        /* Auto, in this order */ {S::DisableFields, S::HideFields, S::EnableBoxes},
        /* Manual, likewise    */ {S::EnableFields, S::ShowFields, S::DisableBoxes, S::EmptyBoxes, S::EmptyFields},
        /* Path field          */ QStringLiteral("Text18"),
        /* section written     */ Section::Smtp,
        /* country box's table */ smtp::countryTable(),
        /* operator pick       */ &smtp::ChooseOperator,
    };
    // clang-format on
    return design;
}

SmtpWindow::SmtpWindow(SslValue &ssl, SetupDialogs &dialogs, QWidget *parent)
    : SetupWindow(smtpDesign(), &ssl, dialogs, parent)
{ }
