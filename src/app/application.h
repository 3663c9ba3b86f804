#pragma once

#include "app/launcherwindow.h"
#include "netcfg/section.h"
#include "setup/setupdialogs.h"

// The whole run: the launcher with the MMS and SMTP setup windows behind its tiles, and the
// SMTP window's SSL value, which outlives every opening of that window.
class Application
{
public:
    explicit Application(SetupDialogs &dialogs = qtSetupDialogs());

    LauncherWindow &launcher() { return m_launcher; }

private:
    SslValue m_ssl;
    LauncherWindow m_launcher;
};
