#pragma once

#include "mail/mailtest.h"
#include "mail/mailtestrun.h"
#include "netcfg/settings.h"

#include <QObject>

#include <memory>

class ActionHost;
class QWidget;
class SetupDialogs;
class SetupProgress;

// The SMTP window's "Test e-mail": tests the window's mail account on a worker thread behind
// a modal progress dialog that names the step and offers Cancel, then shows the result. The
// window's event loop runs all the while.
class MailTestAction : public QObject
{
    Q_OBJECT

public:
    // owner is the window the dialogs are modal over; owner and dialogs must outlive this.
    MailTestAction(QWidget *owner, SetupDialogs &dialogs);
    ~MailTestAction() override;

    // Tests the account of these settings and returns at once; nothing while a test runs. The
    // SSL box's "YES" tests with TLS from the first byte, "NO" without encryption, and any
    // other text is refused before anything connects. The messages name the fields as
    // fields.nameOf does. A cancelled test ends without a message; any other shows its
    // result, whose texts from the server or the user are made safe (mail/safetext.h).
    void start(const SmtpSettings &settings, const ActionHost &fields);

    // The options of every test; the default trusts the system's authorities and gives up
    // after 30 seconds. Tests give the CA file of their local server here.
    void setOptions(const MailTestOptions &options) { m_options = options; }

private:
    void showResult(const MailTestResult &result);

    QWidget *const m_owner;
    SetupDialogs &m_dialogs;
    MailTestOptions m_options;
    std::unique_ptr<SetupProgress> m_progress;
    bool m_cancelled = false;
    MailTestRun m_run; // last: destroyed first, it waits for the worker
};
