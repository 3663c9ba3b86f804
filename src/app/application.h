#pragma once

#include "app/launcherwindow.h"
#include "netcfg/settings.h"
#include "setup/setupdialogs.h"

// The whole run: the launcher with the MMS and SMTP setup windows behind its tiles, and what
// each setup window keeps from one opening to the next (the SMTP window's SSL value).
class Application
{
public:
    explicit Application(SetupDialogs &dialogs = qtSetupDialogs());

    LauncherWindow &launcher() { return m_launcher; }

private:
    MmsSettings m_mmsKept;
    SmtpSettings m_smtpKept;
    LauncherWindow m_launcher;
};
