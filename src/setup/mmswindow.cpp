#include "setup/mmswindow.h"

#include "carriers/readaction.h"

MmsWindow::MmsWindow(SetupDialogs &dialogs, QWidget *parent)
    : SetupWindow(mmsWindowDesign(), mmsFieldMap(), &mms::ChooseCountry, &mms::ChooseOperator,
                  dialogs, parent)
{
    // The load step: the mode box holds its designed "Auto", so this puts the connection
    // fields in the Auto state. Key preview is the frameless window's.
    applySettingMode();
}

void MmsWindow::applySettingMode()
{
    const FieldMap<MmsSettings> &map = mmsFieldMap();
    const QStringList fields = connectionFields(map);
    const QStringList boxes {map.countryBox, map.operatorBox};
    const QString mode = text(map.modeBox);
    if (mode == u"Auto") {
        setControlsEnabled(fields, false);
        setControlsEnabled(boxes, true);
        setControlsVisible(fields, false); // the values stay, hidden, and are written
    } else if (mode == u"Manual") {
        setControlsEnabled(fields, true);
        setControlsEnabled(boxes, false);
        emptyTexts(boxes); // their lists stay
        emptyTexts(fields);
        setControlsVisible(fields, true);
    }
}

void MmsWindow::read()
{
    ReadMms(*this, [this] { applySettingMode(); });
}

void MmsWindow::generate()
{
    GenerateMms(*this);
}
