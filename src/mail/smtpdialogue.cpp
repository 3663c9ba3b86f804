#include "mail/smtpdialogue.h"

#include <QList>

#include <utility>

namespace {

QByteArray firstWord(const QByteArray &text)
{
    const qsizetype space = text.indexOf(' ');
    return space < 0 ? text : text.left(space);
}

QList<QByteArray> linesOf(const QByteArray &bytes)
{
    QList<QByteArray> lines;
    for (QByteArray line : bytes.split('\n')) {
        if (line.endsWith('\r'))
            line.chop(1);
        if (!line.isEmpty())
            lines.append(line);
    }
    return lines;
}

SmtpDialogue::Command commandOf(const QByteArray &verb)
{
    if (verb == "EHLO" || verb == "HELO")
        return SmtpDialogue::Command::Hello;
    if (verb == "AUTH")
        return SmtpDialogue::Command::Login;
    if (verb == "MAIL")
        return SmtpDialogue::Command::Sender;
    if (verb == "RCPT")
        return SmtpDialogue::Command::Recipient;
    if (verb == "DATA")
        return SmtpDialogue::Command::Data;
    return SmtpDialogue::Command::Other;
}

} // namespace

SmtpDialogue::SmtpDialogue(std::function<void(const QString &)> sink)
    : m_sink(std::move(sink))
{ }

void SmtpDialogue::show(char direction, const QString &line) const
{
    if (m_sink)
        m_sink(QString(QLatin1Char(direction)) + u' ' + line);
}

void SmtpDialogue::clientSent(const QByteArray &lines)
{
    for (const QByteArray &line : linesOf(lines)) {
        if (m_inLogin) {
            // An answer to the server's login challenge: the account or the password, encoded.
            show('>', QStringLiteral("****"));
            continue;
        }
        const QByteArray verb = firstWord(line).toUpper();
        m_lastCommand = commandOf(verb);
        switch (m_lastCommand) {
        case Command::Login: {
            // "AUTH PLAIN <payload>": the mechanism stays readable, the payload does not.
            const QList<QByteArray> words = line.split(' ');
            QString shown = QString::fromLatin1(words.value(0) + ' ' + words.value(1));
            if (words.size() > 2)
                shown += QStringLiteral(" ****");
            show('>', shown);
            m_loginSent = true;
            m_inLogin = true;
            continue;
        }
        case Command::Sender:
            m_senderSent = true;
            break;
        default:
            break;
        }
        show('>', QString::fromUtf8(line));
    }
}

void SmtpDialogue::serverSent(const QByteArray &lines)
{
    for (const QByteArray &line : linesOf(lines)) {
        show('<', QString::fromUtf8(line));
        const QByteArray text = line.mid(4);
        if (m_lastCommand == Command::Hello) {
            const QByteArray keyword = firstWord(text).toUpper();
            m_offersLogin = m_offersLogin || keyword == "AUTH" || keyword.startsWith("AUTH=");
            m_offersStartTls = m_offersStartTls || keyword == "STARTTLS";
        }
        m_replyText += m_replyText.isEmpty() ? line.left(3) + ' ' + text : ' ' + text;
        if (line.size() < 4 || line.at(3) != '-')
            replyComplete();
    }
}

void SmtpDialogue::replyComplete()
{
    const QByteArray text = std::exchange(m_replyText, {}).trimmed();
    const Reply reply {text.left(3).toInt(), QString::fromUtf8(text)};
    m_greeted = true;
    if (m_inLogin && reply.code != 334)
        m_inLogin = false;
    if (m_lastCommand == Command::Recipient)
        m_recipientReplies.append(reply);
    if (m_lastCommand == Command::Data && reply.code == 354)
        m_lastCommand = Command::Message; // the next reply answers the message itself
    m_lastReply = reply;
}

void SmtpDialogue::note(const QByteArray &text)
{
    for (const QByteArray &line : linesOf(text))
        show('*', QString::fromUtf8(line));
}
