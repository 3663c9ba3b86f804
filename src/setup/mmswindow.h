#pragma once

#include "setup/setupdialogs.h"
#include "setup/setupwindow.h"

// The MMS setup window Form5: composes the [MMS] section of NET.CFG.
class MmsWindow : public SectionWindow<MmsSettings>
{
    Q_OBJECT

public:
    // kept: what the window keeps from one opening to the next (SectionWindow). kept and
    // dialogs must outlive the window.
    explicit MmsWindow(MmsSettings &kept, SetupDialogs &dialogs = qtSetupDialogs(),
                       QWidget *parent = nullptr);
};

// The controls of Form5, as designed (mms_window_table.cpp).
const WindowDesign &mmsWindowDesign();
