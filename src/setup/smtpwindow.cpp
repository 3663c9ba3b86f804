#include "setup/smtpwindow.h"

#include "actions/generate.h"
#include "actions/readaction.h"

#include <QAbstractButton>

SmtpWindow::SmtpWindow(SslValue &ssl, SetupDialogs &dialogs, QWidget *parent)
    : SectionWindow(smtpWindowDesign(), dialogs, parent)
    , m_ssl(ssl)
    , m_mailTest(this, dialogs)
{
    auto *testButton = control<QAbstractButton>(QStringLiteral("Command5"));
    if (!testButton)
        qFatal("Form7 has no button Command5");
    connect(testButton, &QAbstractButton::clicked, this,
            [this] { m_mailTest.start(setup().settings, *this); });
}

void SmtpWindow::read()
{
    QString path = text(controls().pathField);
    Read(*this, path, userEdited(), m_ssl, [this](const SetupModel<SmtpSettings> &read) {
        replaceSetup(read);
        m_readSsl = m_ssl.text; // the file's value
    });
    setText(controls().pathField, path);
}

void SmtpWindow::generate()
{
    const QString path = pathOrChosenFolder();
    if (path.isEmpty())
        return;
    StoredFileWriter writer;
    if (Generate(*this, fileSettings(setup(), m_ssl, m_readSsl), path, writer))
        forgetUserEdits();
}
