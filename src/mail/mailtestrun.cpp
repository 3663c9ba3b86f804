#include "mail/mailtestrun.h"

#include <QThread>

MailTestRun::MailTestRun(QObject *parent)
    : QObject(parent)
{ }

MailTestRun::~MailTestRun()
{
    cancel();
    if (m_thread)
        m_thread->wait();
}

bool MailTestRun::start(const MailAccount &account, const MailTestOptions &options)
{
    if (m_running)
        return false;
    if (m_thread)
        m_thread->wait(); // it has posted its result, its last act
    m_running = true;
    m_cancel = false;
    // The worker reaches this object only through events it posts; the destructor waits for
    // the worker, so the object outlives every post.
    m_thread.reset(QThread::create([this, account, options] {
        MailTestHooks hooks;
        hooks.stepStarted = [this](MailStep step) {
            QMetaObject::invokeMethod(
                this, [this, step] { emit stepStarted(step, mailStepWords(step)); },
                Qt::QueuedConnection);
        };
        hooks.cancelRequested = [this] {
            return m_cancel.load();
        };
        const MailTestResult result = runMailTest(account, options, hooks);
        QMetaObject::invokeMethod(
            this,
            [this, result] {
                m_running = false;
                emit finished(result);
            },
            Qt::QueuedConnection);
    }));
    m_thread->start();
    return true;
}

void MailTestRun::cancel()
{
    m_cancel = true;
}
