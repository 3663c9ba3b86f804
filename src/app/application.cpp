#include "application.h"

#include "mmswindow.h"
#include "smtpwindow.h"

Application::Application(SetupDialogs &dialogs)
{
    m_launcher.setMmsWindowFactory([&dialogs] { return new MmsWindow(dialogs); });
    m_launcher.setSmtpWindowFactory([this, &dialogs] { return new SmtpWindow(m_ssl, dialogs); });
}
