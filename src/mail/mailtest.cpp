#include "mail/mailtest.h"

#include "mail/mailsession.h"

using namespace Qt::Literals::StringLiterals;

QString mailStepWords(MailStep step)
{
    switch (step) {
    case MailStep::Checking:
        return u"checking the settings"_s;
    case MailStep::Resolving:
        return u"looking up the server"_s;
    case MailStep::Connecting:
        return u"connecting"_s;
    case MailStep::Securing:
        return u"securing the connection"_s;
    case MailStep::LoggingIn:
        return u"logging in"_s;
    case MailStep::Sending:
        return u"sending the test e-mail"_s;
    }
    return {};
}

MailTestResult runMailTest(const MailAccount &account, const MailTestOptions &options,
                           const MailTestHooks &hooks)
{
    if (const QString problem = checkMailAccount(account, options); !problem.isEmpty())
        return {false, 0, MailStep::Checking, problem, {}};
    return runMailSession(account, options, hooks);
}
