#include "setup/smtpwindow.h"

#include "carriers/mailproviders.h"

#include <QAbstractButton>
#include <QLineEdit>

#include <utility>

SmtpWindow::SmtpWindow(SmtpSettings &kept, SetupDialogs &dialogs, QWidget *parent)
    : SectionWindow(smtpWindowDesign(), kept, dialogs, parent)
    , m_mailTest(this, dialogs)
{
    auto *testButton = control<QAbstractButton>(QStringLiteral("Command5"));
    if (!testButton)
        qFatal("Form7 has no button Command5");
    connect(testButton, &QAbstractButton::clicked, this,
            [this] { m_mailTest.start(setup().settings); });

    const QString senderName = controlOf<SmtpSettings>(QLatin1StringView("Sender"));
    auto *sender = control<QLineEdit>(senderName);
    if (!sender)
        qFatal("Form7 has no field %s", qPrintable(senderName));
    // Once the user has typed an address and goes on (Enter, another field, a button): not at
    // every key, where "me@mail.com" is on its way to "me@mail.com.br", and not after a read or
    // a step that wrote the field.
    connect(sender, &QLineEdit::textEdited, this, [this] { m_senderTyped = true; });
    connect(sender, &QLineEdit::editingFinished, this, [this] {
        if (std::exchange(m_senderTyped, false))
            senderTyped();
    });
}

void SmtpWindow::senderTyped()
{
    const MailProvider *proposed = nullptr;
    takeStep(
        [&](SetupModel<SmtpSettings> &s) { proposed = ProposeMailServer(s, m_proposedServer); });
    if (proposed)
        m_proposedServer = proposed->server.toString();
}

void SmtpWindow::countryPicked()
{
    SectionWindow::countryPicked();
    forgetProposalIfTheProfileGaveTheServer();
}

void SmtpWindow::operatorPicked()
{
    SectionWindow::operatorPicked();
    forgetProposalIfTheProfileGaveTheServer();
}

void SmtpWindow::forgetProposalIfTheProfileGaveTheServer()
{
    const SetupModel<SmtpSettings> shown = setup();
    const auto profile = profileValues<SmtpSettings>(shown.country, shown.operatorName);
    if (profile && profile->keys.contains(&keyOf<SmtpSettings>(&SmtpSettings::Server)))
        m_proposedServer.clear();
}
