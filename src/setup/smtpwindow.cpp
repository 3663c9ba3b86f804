#include "setup/smtpwindow.h"

#include "carriers/readaction.h"

SmtpWindow::SmtpWindow(SslValue &ssl, SetupDialogs &dialogs, QWidget *parent)
    : SetupWindow(smtpWindowDesign(), smtpFieldMap(), &smtp::ChooseCountry, &smtp::ChooseOperator,
                  dialogs, parent)
    , m_ssl(ssl)
{
    // The load step: the mode box holds its designed "Auto", so this puts the access point's
    // fields in the Auto state. Key preview is the frameless window's.
    applySettingMode();
}

// As the MMS window's rule, but with the fields shown or hidden before the boxes change, and
// the mail server's fields left alone in either mode.
void SmtpWindow::applySettingMode()
{
    const FieldMap<SmtpSettings> &map = smtpFieldMap();
    const QStringList fields = connectionFields(map);
    const QStringList boxes {map.countryBox, map.operatorBox};
    const QString mode = text(map.modeBox);
    if (mode == u"Auto") {
        setControlsEnabled(fields, false);
        setControlsVisible(fields, false); // the values stay, hidden, and are written
        setControlsEnabled(boxes, true);
    } else if (mode == u"Manual") {
        setControlsEnabled(fields, true);
        setControlsVisible(fields, true);
        setControlsEnabled(boxes, false);
        emptyTexts(boxes); // their lists stay
        emptyTexts(fields);
    }
}

void SmtpWindow::read()
{
    ReadSmtp(*this, m_ssl, [this] { applySettingMode(); });
}

void SmtpWindow::generate()
{
    GenerateSmtp(*this, m_ssl);
}
