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
    // ssl is the application's SSL value, which Generate sets from Combo5 and Read from the
    // file, and which outlives every opening of this window. ssl and dialogs must outlive the
    // window.
    explicit SmtpWindow(SslValue &ssl, SetupDialogs &dialogs = qtSetupDialogs(),
                        QWidget *parent = nullptr);

    // For tests: the options of the test e-mail, such as the CA file of a local server.
    void setMailTestOptions(const MailTestOptions &options) { m_mailTest.setOptions(options); }

protected:
    void read() override;
    void generate() override;

private:
    SslValue &m_ssl;
    // The SSL value of the file read in this opening of the window, which Generate writes
    // back as it was while the SSL box shows what the read put there.
    std::optional<QString> m_readSsl;
    MailTestAction m_mailTest;
};

// The controls of Form7, as designed (smtp_window_table.cpp).
const WindowDesign &smtpWindowDesign();
