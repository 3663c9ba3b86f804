#pragma once

#include "setup/setupdialogs.h"
#include "setup/setupwindow.h"

// The MMS setup window Form5: composes the [MMS] section of NET.CFG.
class MmsWindow : public SectionWindow<MmsSettings>
{
    Q_OBJECT

public:
    // dialogs must outlive the window.
    explicit MmsWindow(SetupDialogs &dialogs = qtSetupDialogs(), QWidget *parent = nullptr);

protected:
    void read() override;
    void generate() override;
};

// The controls of Form5, as designed (mms_window_table.cpp).
const WindowDesign &mmsWindowDesign();
