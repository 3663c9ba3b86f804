#include "app/application.h"

#include "setup/mmswindow.h"
#include "setup/smtpwindow.h"

Application::Application(SetupDialogs &dialogs)
{
    // A window's folder browser speaks the launcher's language, as its captions do.
    const auto titled = [this](SetupWindow *window) {
        if (const QString title = folderBrowserTitle(m_launcher.languageText()); !title.isEmpty())
            window->setFolderBrowserTitle(title);
        return window;
    };
    m_launcher.setMmsWindowFactory(
        [this, titled, &dialogs] { return titled(new MmsWindow(m_mmsKept, dialogs)); });
    m_launcher.setSmtpWindowFactory(
        [this, titled, &dialogs] { return titled(new SmtpWindow(m_smtpKept, dialogs)); });
}
