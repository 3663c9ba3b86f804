#include "setup/mailtestaction.h"

#include "mail/mailmodule.h"
#include "mail/smtpaccount.h"
#include "setup/setupdialogs.h"
#include "setup/setupwindow.h"

#include <optional>

namespace {

// "logging in" as the progress dialog shows it: "Logging in…".
QString progressText(const QString &words)
{
    return words.left(1).toUpper() + words.mid(1) + QChar(0x2026);
}

} // namespace

MailTestAction::MailTestAction(QWidget *owner, SetupDialogs &dialogs)
    : m_owner(owner)
    , m_dialogs(dialogs)
{
    connect(&m_run, &MailTestRun::stepStarted, this, [this](MailStep, const QString &words) {
        if (m_progress)
            m_progress->setText(progressText(words));
    });
    connect(&m_run, &MailTestRun::finished, this, &MailTestAction::showResult);
}

MailTestAction::~MailTestAction() = default;

void MailTestAction::start(const SmtpSettings &settings)
{
    if (m_run.isRunning())
        return; // cancelled a moment ago, and ending
    const std::optional<MailAccount> account = mailAccountOf(settings);
    if (!account) {
        m_dialogs.showMessage(m_owner, kApplicationTitle, MessageKind::Critical,
                              QStringLiteral("SSL must be YES or NO to test the e-mail."), {});
        return;
    }
    if (const Result<const MailModule *> module = mailModule(); !module) {
        m_dialogs.showMessage(m_owner, kApplicationTitle, MessageKind::Critical, module.reason(),
                              {});
        return;
    }
    m_cancelled = false;
    const auto cancel = [this] {
        m_cancelled = true;
        m_run.cancel();
    };
    m_progress = m_dialogs.openProgress(m_owner, kApplicationTitle,
                                        progressText(mailStepWords(MailStep::Checking)), cancel);
    m_run.start(*account, m_options);
}

void MailTestAction::showResult(const MailTestResult &result)
{
    m_progress.reset();
    if (m_cancelled)
        return;
    m_dialogs.showMessage(m_owner, kApplicationTitle,
                          result.accepted ? MessageKind::Information : MessageKind::Critical,
                          result.message, {});
}
