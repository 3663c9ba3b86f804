#pragma once

#include "mail/mailtest.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

// The SMTP dialogue of a test, as the camera holds it: greeting, EHLO, the login (PLAIN, or
// LOGIN), MAIL, one RCPT per recipient, DATA, the message, and QUIT on every way out once the
// server greeted. One command at a time; after a refused step, or a login that cannot be
// made, the only command is QUIT. It sees no socket: the session feeds it what the server
// sent and sends what it returns. QtCore only.

// The camera's bytes: the login and the addresses as NET.CFG holds them.
struct SmtpEnvelope
{
    QByteArray login;
    QByteArray password;
    QByteArray sender;
    QList<QByteArray> recipients;
    QByteArray message; // CRLF lines, as the test e-mail reads before dot-stuffing
};

// The envelope and the test e-mail of an account.
SmtpEnvelope envelopeOf(const MailAccount &account);

struct SmtpReply
{
    int code = 0;
    QByteArray enhanced; // "5.1.1" when the server gives one
    QList<QByteArray> lines; // each line's text after the code
    bool positive() const { return code >= 200 && code < 400; }
    bool temporary() const { return code >= 400 && code < 500; }
    // "550 5.1.1 <a@example.org>: User unknown", its lines joined by spaces, made safe.
    QString text() const;
};

class SmtpDialogue
{
public:
    enum class Command {
        Greeting,
        Hello,
        Login,
        LoginStep,
        Sender,
        Recipient,
        Data,
        Message,
        Quit
    };
    enum class Outcome {
        Running,
        Accepted, // the server took the message for at least one recipient
        Refused, // the reply to the last command before QUIT refused it
        NoLogin, // the server offers no AUTH on this connection
        NoCommonLogin, // it offers AUTH, but neither PLAIN nor LOGIN
        Garbled, // a reply that is no SMTP reply
    };

    struct Exchange
    {
        Command command;
        QString shown; // the command as the verbose dialogue shows it
        int recipient = -1; // RCPT: the index in the envelope's recipients
        bool replied = false;
        SmtpReply reply;
    };

    // helloName: what EHLO says, an address literal such as "[192.0.2.1]"; sink: the verbose
    // lines, login masked, made safe.
    SmtpDialogue(SmtpEnvelope envelope, QByteArray helloName,
                 std::function<void(const QString &)> sink);

    // Takes what the server sent; returns what to send now (QUIT once the dialogue has its
    // outcome), empty while the reply is incomplete.
    QByteArray received(QByteArrayView bytes);
    // QUIT when the server greeted and none was sent: for a test that ends early.
    QByteArray quit();

    bool awaitingReply() const;
    bool greeted() const { return m_greeted; }
    Outcome outcome() const { return m_outcome; }
    const QList<Exchange> &exchanges() const { return m_exchanges; }
    // The exchange whose reply decided the outcome (Refused, NoLogin...): the last before QUIT.
    const Exchange *decisive() const;
    QStringList loginMethods() const { return m_loginMethods; }
    bool offersStartTls() const { return m_offersStartTls; }
    // The exchanges as the result carries them.
    QList<MailExchange> result() const;

private:
    QByteArray handle(const SmtpReply &reply);
    QByteArray command(Command command, const QByteArray &bytes, const QString &shown = {},
                       int recipient = -1);
    QByteArray end(Outcome outcome);
    QByteArray login();
    QByteArray nextRecipientOrData();
    void show(char direction, const QString &line) const;

    SmtpEnvelope m_envelope;
    QByteArray m_helloName;
    std::function<void(const QString &)> m_sink;
    QByteArray m_pending; // what came after the last complete line
    SmtpReply m_reply; // the reply being read
    QList<Exchange> m_exchanges;
    QStringList m_loginMethods;
    bool m_offersStartTls = false;
    bool m_greeted = false;
    bool m_quitSent = false;
    Outcome m_outcome = Outcome::Running;
    QList<QByteArray> m_loginAnswers; // LOGIN: what the next 334s ask for
};
