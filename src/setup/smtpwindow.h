#pragma once

#include "setup/mailtestaction.h"
#include "setup/setupdialogs.h"
#include "setup/setupwindow.h"

// The SMTP setup window Form7: composes the [SMTP] section of NET.CFG, and tests its mail
// account with a test e-mail (Command5).
class SmtpWindow : public SectionWindow<SmtpSettings>
{
    Q_OBJECT

public:
    // kept: what the window keeps from one opening to the next (SectionWindow): the SSL value,
    // which Generate sets from Combo5 and Read from the file. kept and dialogs must outlive
    // the window.
    explicit SmtpWindow(SmtpSettings &kept, SetupDialogs &dialogs = qtSetupDialogs(),
                        QWidget *parent = nullptr);

    // For tests: the options of the test e-mail, such as the CA file of a local server.
    void setMailTestOptions(const MailTestOptions &options) { m_mailTest.setOptions(options); }

private:
    MailTestAction m_mailTest;
};

// The controls of Form7, as designed (smtp_window_table.cpp).
const WindowDesign &smtpWindowDesign();
