#pragma once

#include <QString>
#include <QStringList>

#include <chrono>
#include <functional>

// The test e-mail: sends a short message through the mail account of the SMTP window, the way
// the camera will, and says in plain words what worked or which step failed.

// The account to test, as the SMTP window holds it: every value is the user's text exactly.
struct MailAccount
{
    QString server;
    QString port;
    bool ssl = false; // YES: TLS from the first byte (SMTPS); NO: no encryption at all
    QString sender; // the account: it logs in and sends
    QString password;
    QStringList recipients; // Email 1 to Email 5 in order; empty ones are left out
};

// The steps of a test, in the order they run.
enum class MailStep {
    Checking, // the values, before anything connects
    Resolving,
    Connecting,
    Securing, // only with SSL YES
    LoggingIn, // from the server's greeting to the accepted login
    Sending,
};

// A step in words that fit "while ...": "logging in".
QString mailStepWords(MailStep step);

struct MailTestOptions
{
    std::chrono::seconds timeLimit {30}; // for the whole test
    QString caFile; // PEM certificates to trust; empty: the system's trusted authorities
};

// Called on the thread that runs the test.
struct MailTestHooks
{
    std::function<void(MailStep)> stepStarted;
    // Polled several times a second; true ends the test as cancelled.
    std::function<bool()> cancelRequested;
    // Every line of the SMTP dialogue and libcurl's notes, with the password and the login's
    // payload masked: "> MAIL FROM:<...>", "< 250 OK", "* Connected to ...".
    std::function<void(const QString &line)> dialogue;
};

struct MailTestResult
{
    bool accepted = false;
    int acceptedRecipients = 0;
    MailStep failedStep = MailStep::Checking; // when not accepted
    QString message; // in plain words; names the failed step and what to change
};

// Empty when the account holds what a test needs; otherwise what is missing or malformed.
QString checkMailAccount(const MailAccount &account);

// Runs the whole test on the calling thread: checks the account, connects, logs in and sends
// the test e-mail to every filled recipient. Returns within the time limit, and within a
// fraction of a second of cancelRequested() turning true.
MailTestResult runMailTest(const MailAccount &account, const MailTestOptions &options = {},
                           const MailTestHooks &hooks = {});
