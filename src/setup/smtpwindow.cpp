#include "setup/smtpwindow.h"

#include "actions/generate.h"
#include "actions/readaction.h"

SmtpWindow::SmtpWindow(SslValue &ssl, SetupDialogs &dialogs, QWidget *parent)
    : SectionWindow(smtpWindowDesign(), dialogs, parent)
    , m_ssl(ssl)
{ }

void SmtpWindow::read()
{
    QString path = text(controls().pathField);
    Read(*this, path, m_ssl, [this](const SetupModel<SmtpSettings> &read) { replaceSetup(read); });
    setText(controls().pathField, path);
}

void SmtpWindow::generate()
{
    const QString path = pathOrChosenFolder();
    if (path.isEmpty())
        return;
    StoredFileWriter writer;
    Generate(*this, fileSettings(setup(), m_ssl), path, writer);
}
