#include "setup/smtpwindow.h"

#include <QAbstractButton>

SmtpWindow::SmtpWindow(SmtpSettings &kept, SetupDialogs &dialogs, QWidget *parent)
    : SectionWindow(smtpWindowDesign(), kept, dialogs, parent)
    , m_mailTest(this, dialogs)
{
    auto *testButton = control<QAbstractButton>(QStringLiteral("Command5"));
    if (!testButton)
        qFatal("Form7 has no button Command5");
    connect(testButton, &QAbstractButton::clicked, this,
            [this] { m_mailTest.start(setup().settings); });
}
