#pragma once

#include <QLatin1StringView>
#include <QList>
#include <QString>
#include <QStringList>

#include <chrono>
#include <functional>

// The test e-mail: sends a short message through the mail account of the SMTP window, the way
// the camera will, and says in plain words what worked or which step failed.

// The account to test, as the SMTP window holds it: every value is the user's text exactly.
// The test sends the login and the addresses as the camera does: as the bytes that NET.CFG
// holds for them, in the file's code page.
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
    std::chrono::seconds timeLimit {30}; // for the whole test, QUIT included
    QString caFile; // PEM certificates to trust; empty: the system's trusted authorities
    // What the messages call the field of a NET.CFG key ("Password", "Email1"): the window's
    // label or the command's option, as Generate names them. Unset: the key itself. Called on
    // the thread that runs the test.
    std::function<QString(QLatin1StringView key)> nameOf;
};

// Called on the thread that runs the test.
struct MailTestHooks
{
    std::function<void(MailStep)> stepStarted;
    // Polled several times a second; true ends the test as cancelled.
    std::function<bool()> cancelRequested;
    // Every line of the SMTP dialogue and libcurl's notes, with the login masked and every
    // text made safe for a terminal (safetext.h): "> MAIL FROM:<...>", "< 250 OK",
    // "* Connected to ...".
    std::function<void(const QString &line)> dialogue;
};

// One command of the dialogue and the server's whole reply to it.
struct MailExchange
{
    QString command; // as the dialogue shows it, the login masked: "RCPT TO:<a@example.org>"
    int code = 0; // 0: no reply came
    QString reply; // its lines joined by spaces, code included, made safe for a terminal
};

struct MailTestResult
{
    bool accepted = false;
    int acceptedRecipients = 0;
    MailStep failedStep = MailStep::Checking; // when not accepted
    QString message; // in plain words, every quoted text made safe; names the failed step
    QList<MailExchange> dialogue; // the greeting first (its command empty), QUIT last
};

// Empty when the account holds what a test needs and what the camera would read as typed;
// otherwise what is missing, malformed or refused, in the words of the messages.
QString checkMailAccount(const MailAccount &account, const MailTestOptions &options = {});

// Runs the whole test on the calling thread: checks the account, connects, logs in and sends
// the test e-mail to every filled recipient. Returns within the time limit, and within a
// fraction of a second of cancelRequested() turning true.
MailTestResult runMailTest(const MailAccount &account, const MailTestOptions &options = {},
                           const MailTestHooks &hooks = {});
