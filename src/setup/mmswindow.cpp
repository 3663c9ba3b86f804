#include "setup/mmswindow.h"

MmsWindow::MmsWindow(MmsSettings &kept, SetupDialogs &dialogs, QWidget *parent)
    : SectionWindow(mmsWindowDesign(), kept, dialogs, parent)
{ }
