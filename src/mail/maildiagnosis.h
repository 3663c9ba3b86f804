#pragma once

#include "mail/mailtest.h"
#include "mail/smtpdialogue.h"

#include <QString>

#include <chrono>
#include <utility>

// The result of a test in plain words: from the server's reply to the command that decided
// it (a table of command and kind of reply), or from how the connection ended before the
// dialogue could decide. QtCore only: the session says what happened, this says it.

// How the session ended.
enum class SessionEnd {
    Dialogue, // the dialogue reached its outcome
    NotFound, // the server's name was not found
    NothingAnswers, // the connection was refused
    NoAnswer, // connecting took the whole time limit
    PlainGreetingOnTls, // SSL YES, and the server greets in plain text
    TlsSilent, // SSL YES: no secure connection, and no greeting in plain text either
    TlsFailed, // another failure of the secure connection; detail: libcurl's words
    Untrusted, // the certificate; detail: its fault, after "the server's certificate"
    Silent, // connected without encryption, and no greeting came
    TimeLimit, // the limit passed while the dialogue waited for a reply
    Closed, // the server closed the connection, or it broke, during the dialogue
    Cancelled,
    Failed, // anything else; detail: libcurl's words
};

struct SessionOutcome
{
    SessionOutcome(SessionEnd end, MailStep step = MailStep::Checking, QString detail = {},
                   std::chrono::seconds waited = {})
        : end(end)
        , step(step)
        , detail(std::move(detail))
        , waited(waited)
    { }

    SessionEnd end;
    MailStep step; // the step it ended in, before the dialogue began
    QString detail; // made safe
    std::chrono::seconds waited; // Silent and TlsSilent: how long it waited
};

// dialogue: null when the connection ended before it.
MailTestResult diagnose(const MailAccount &account, const MailTestOptions &options,
                        const SessionOutcome &outcome, const SmtpDialogue *dialogue);
