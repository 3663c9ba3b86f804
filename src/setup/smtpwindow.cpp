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
            [this] { m_mailTest.start(setup().settings); });
}

void SmtpWindow::read()
{
    QString path = text(controls().pathField);
    Read(*this, path, m_ssl, [this](const SetupModel<SmtpSettings> &read) { replaceSetup(read); });
    setText(controls().pathField, path);
}

void SmtpWindow::generate()
{
    StoredFileWriter writer;
    Generate(*this, fileSettings(setup(), m_ssl), text(controls().pathField), writer);
}
