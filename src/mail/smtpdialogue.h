#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include <functional>

// Follows the SMTP dialogue that libcurl reports line by line: the replies a result needs
// (the login's, each recipient's, the last one), what the server offers, and the lines for
// the verbose sink, where everything the client sends during the login is masked.
class SmtpDialogue
{
public:
    struct Reply
    {
        int code = 0;
        QString text; // the whole reply, code included, its lines joined by spaces
        bool positive() const { return code >= 200 && code < 400; }
    };

    enum class Command { None, Hello, Login, Sender, Recipient, Data, Message, Other };

    explicit SmtpDialogue(std::function<void(const QString &)> sink);

    void clientSent(const QByteArray &lines);
    void serverSent(const QByteArray &lines);
    void note(const QByteArray &text); // libcurl's own words

    bool greeted() const { return m_greeted; }
    bool offersLogin() const { return m_offersLogin; }
    bool offersStartTls() const { return m_offersStartTls; }
    // The client names the sender without having logged in: the server offered no login.
    bool sendsWithoutLogin() const { return m_senderSent && !m_loginSent; }
    bool senderSent() const { return m_senderSent; }
    // The command the last reply answers (Message: the end of the message's data).
    Command lastCommand() const { return m_lastCommand; }
    const Reply &lastReply() const { return m_lastReply; }
    const QList<Reply> &recipientReplies() const { return m_recipientReplies; }

private:
    void show(char direction, const QString &line) const;
    void replyComplete();

    std::function<void(const QString &)> m_sink;
    bool m_greeted = false;
    bool m_offersLogin = false;
    bool m_offersStartTls = false;
    bool m_loginSent = false;
    bool m_inLogin = false; // between AUTH and its final reply
    bool m_senderSent = false;
    Command m_lastCommand = Command::None;
    QByteArray m_replyText; // the reply being read
    Reply m_lastReply;
    QList<Reply> m_recipientReplies;
};
