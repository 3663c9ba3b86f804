#pragma once

#include "setup/mailtestaction.h"
#include "setup/setupdialogs.h"
#include "setup/setupwindow.h"

// The SMTP setup window Form7: composes the [SMTP] section of NET.CFG, and tests its mail
// account with a test e-mail (Command5).
//
// The sender's address, once typed, proposes its provider's server, port and SSL
// (ProposeMailServer, carriers/mailproviders.h): into an empty Server field, or over what the
// last proposal put there. The window remembers that server until Read, or a pick whose
// operator profile carries a mail server, writes the Server; one that the user typed over it
// is no proposal anyway.
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

protected:
    void countryPicked() override;
    void operatorPicked() override;
    void fileShown() override { m_proposedServer.clear(); }

private:
    void senderTyped();
    // A pick whose profile carries a mail server has written the profile's.
    void forgetProposalIfTheProfileGaveTheServer();

    MailTestAction m_mailTest;
    bool m_senderTyped = false; // since the sender's field was last finished
    QString m_proposedServer; // what the last proposal put into the Server field
};

// The controls of Form7, as designed (smtp_window_table.cpp).
const WindowDesign &smtpWindowDesign();
