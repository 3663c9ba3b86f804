#pragma once

#include "mail/mailtest.h"

#include <QObject>

#include <atomic>
#include <memory>

class QThread;

// Runs the test e-mail for a window: on a worker thread, so that the window stays responsive,
// with the steps and the result delivered as signals on the thread that owns this object.
class MailTestRun : public QObject
{
    Q_OBJECT

public:
    explicit MailTestRun(QObject *parent = nullptr);
    // Cancels a running test and waits for the cancel, which takes a fraction of a second.
    ~MailTestRun() override;

    // Starts a test; false, and nothing starts, while the last one has not finished.
    bool start(const MailAccount &account, const MailTestOptions &options = {});
    // Ends the running test soon after: finished() then reports it as cancelled.
    void cancel();
    bool isRunning() const { return m_running; }

signals:
    void stepStarted(MailStep step, const QString &words);
    void finished(const MailTestResult &result);

private:
    std::unique_ptr<QThread> m_thread;
    std::atomic_bool m_cancel {false};
    bool m_running = false;
};
