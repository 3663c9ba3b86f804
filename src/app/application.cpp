#include "app/application.h"

#include "setup/mmswindow.h"
#include "setup/smtpwindow.h"

Application::Application(SetupDialogs &dialogs)
{
    m_launcher.setMmsWindowFactory([&dialogs] { return new MmsWindow(dialogs); });
    m_launcher.setSmtpWindowFactory([this, &dialogs] { return new SmtpWindow(m_ssl, dialogs); });
}
