#pragma once

#include "app/launcher.h"
#include "netcfg/fileactions.h"
#include "setup/setupdialogs.h"

// The whole run: the launcher with the MMS and SMTP setup windows behind its tiles, and the
// SMTP window's SSL value, which outlives every opening of that window.
class Application
{
public:
    explicit Application(SetupDialogs &dialogs = qtSetupDialogs());

    Form1 &launcher() { return m_launcher; }
    const SslValue &sslValue() const { return m_ssl; }

private:
    SslValue m_ssl;
    Form1 m_launcher;
};
