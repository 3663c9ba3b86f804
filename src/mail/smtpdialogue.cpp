#include "mail/smtpdialogue.h"

#include "mail/mailfields.h"
#include "mail/safetext.h"

#include <QDateTime>
#include <QUuid>

#include <cctype>
#include <utility>

using namespace Qt::Literals::StringLiterals;

namespace {

// A reply line longer than any server sends: the peer is no mail server.
constexpr qsizetype kMaxReplyLine = 64 * 1024;

bool isReplyLine(QByteArrayView line)
{
    return line.size() >= 3 && std::isdigit(static_cast<unsigned char>(line[0]))
        && std::isdigit(static_cast<unsigned char>(line[1]))
        && std::isdigit(static_cast<unsigned char>(line[2]))
        && (line.size() == 3 || line[3] == ' ' || line[3] == '-');
}

// "5.1.1" at the start of a reply's text (RFC 3463).
QByteArray enhancedCode(const QByteArray &text)
{
    const QByteArray word = text.left(text.indexOf(' '));
    const QList<QByteArray> parts = word.split('.');
    if (parts.size() != 3 || (word[0] != '2' && word[0] != '4' && word[0] != '5'))
        return {};
    for (const QByteArray &part : parts) {
        if (part.isEmpty() || part.size() > 3)
            return {};
        for (const char c : part) {
            if (!std::isdigit(static_cast<unsigned char>(c)))
                return {};
        }
    }
    return word;
}

QByteArray dotStuffed(const QByteArray &message)
{
    QByteArray stuffed = message.startsWith('.') ? '.' + message : message;
    stuffed.replace("\r\n.", "\r\n..");
    return stuffed + ".\r\n";
}

} // namespace

SmtpEnvelope envelopeOf(const MailAccount &account)
{
    const QStringList recipients = filledRecipients(account);
    const qsizetype at = account.sender.lastIndexOf(u'@');
    const QString domain = at >= 0 ? account.sender.mid(at + 1) : u"localhost"_s;
    const QStringList lines {
        u"Date: "_s + QDateTime::currentDateTime().toString(Qt::RFC2822Date),
        u"From: "_s + account.sender,
        u"To: "_s + recipients.join(u", "_s),
        u"Subject: Test e-mail from the camera setting tool"_s,
        u"Message-ID: <%1@%2>"_s.arg(QUuid::createUuid().toString(QUuid::WithoutBraces), domain),
        u"MIME-Version: 1.0"_s,
        u"Content-Type: text/plain; charset="_s + fileCodePageName().toLower(),
        u"Content-Transfer-Encoding: 8bit"_s,
        QString(),
        u"This is a test e-mail from the camera setting tool, sent with the mail"_s,
        u"settings the camera will use: server %1, port %2, SSL %3."_s.arg(
            account.server, account.port, account.ssl ? u"YES"_s : u"NO"_s),
        QString(),
        u"It reached you, so the account, the password and the server work from the"_s,
        u"computer that sent it. The camera sends through its own mobile data"_s,
        u"connection, which this test does not use."_s,
    };
    SmtpEnvelope envelope {cameraBytes(account.sender),
                           cameraBytes(account.password),
                           cameraBytes(account.sender),
                           {},
                           cameraBytes(lines.join(u"\r\n"_s) + u"\r\n"_s)};
    for (const QString &recipient : recipients)
        envelope.recipients.append(cameraBytes(recipient));
    return envelope;
}

QString SmtpReply::text() const
{
    QByteArray joined = QByteArray::number(code);
    for (const QByteArray &line : lines) {
        if (!line.isEmpty())
            joined += ' ' + line;
    }
    return safeBytes(joined);
}

SmtpDialogue::SmtpDialogue(SmtpEnvelope envelope, QByteArray helloName,
                           std::function<void(const QString &)> sink)
    : m_envelope(std::move(envelope))
    , m_helloName(std::move(helloName))
    , m_sink(std::move(sink))
{
    m_exchanges.append({Command::Greeting, {}, -1, false, {}});
}

void SmtpDialogue::show(char direction, const QString &line) const
{
    if (m_sink)
        m_sink(QString(QLatin1Char(direction)) + u' ' + line);
}

bool SmtpDialogue::awaitingReply() const
{
    return m_outcome != Outcome::Garbled && !m_exchanges.isEmpty() && !m_exchanges.back().replied;
}

QByteArray SmtpDialogue::received(QByteArrayView bytes)
{
    m_pending += bytes;
    QByteArray out;
    qsizetype end;
    while (awaitingReply() && (end = m_pending.indexOf('\n')) >= 0) {
        QByteArray line = m_pending.left(end);
        m_pending.remove(0, end + 1);
        if (line.endsWith('\r'))
            line.chop(1);
        show('<', safeBytes(line));
        if (!isReplyLine(line) || (m_reply.code && line.left(3).toInt() != m_reply.code)) {
            m_outcome = Outcome::Garbled;
            return quit();
        }
        m_reply.code = line.left(3).toInt();
        m_reply.lines.append(line.mid(4));
        if (line.size() > 3 && line[3] == '-')
            continue;
        SmtpReply reply = std::exchange(m_reply, {});
        reply.enhanced = enhancedCode(reply.lines.value(0));
        out += handle(reply);
    }
    if (awaitingReply() && m_pending.size() > kMaxReplyLine) {
        m_outcome = Outcome::Garbled;
        return quit();
    }
    return out;
}

QByteArray SmtpDialogue::quit()
{
    if (!m_greeted || m_quitSent)
        return {};
    m_quitSent = true;
    return command(Command::Quit, "QUIT");
}

QByteArray SmtpDialogue::command(Command command, const QByteArray &bytes, const QString &shown,
                                 int recipient)
{
    const QString line = shown.isEmpty() ? safeBytes(bytes) : shown;
    show('>', line);
    m_exchanges.append({command, line, recipient, false, {}});
    return bytes + "\r\n";
}

QByteArray SmtpDialogue::end(Outcome outcome)
{
    m_outcome = outcome;
    return quit();
}

QByteArray SmtpDialogue::handle(const SmtpReply &reply)
{
    Exchange &exchange = m_exchanges.back();
    exchange.replied = true;
    exchange.reply = reply;
    const bool positive = reply.positive();
    switch (exchange.command) {
    case Command::Greeting:
        m_greeted = true;
        return reply.code == 220 ? command(Command::Hello, "EHLO " + m_helloName)
                                 : end(Outcome::Refused);
    case Command::Hello:
        if (reply.code != 250)
            return end(Outcome::Refused);
        for (const QByteArray &line : reply.lines.sliced(1)) {
            const QList<QByteArray> words = line.toUpper().simplified().split(' ');
            if (words[0] == "AUTH" || words[0].startsWith("AUTH=")) {
                QList<QByteArray> methods = words.sliced(1);
                if (words[0] != "AUTH")
                    methods.prepend(words[0].mid(5));
                for (const QByteArray &method : methods) {
                    if (!m_loginMethods.contains(safeBytes(method)))
                        m_loginMethods.append(safeBytes(method));
                }
            }
            m_offersStartTls = m_offersStartTls || words[0] == "STARTTLS";
        }
        return login();
    case Command::Login:
    case Command::LoginStep:
        // LOGIN: the account, then the password, each asked for by a 334.
        if (reply.code == 334 && m_loginAnswers.size() > 0)
            return command(Command::LoginStep, m_loginAnswers.takeFirst().toBase64(), u"****"_s);
        if (reply.code != 235)
            return end(Outcome::Refused);
        return command(Command::Sender, "MAIL FROM:<" + m_envelope.sender + '>');
    case Command::Sender:
        return positive ? nextRecipientOrData() : end(Outcome::Refused);
    case Command::Recipient:
        return nextRecipientOrData();
    case Command::Data:
        if (reply.code != 354)
            return end(Outcome::Refused);
        show('>', u"(the test e-mail, %1 bytes)"_s.arg(m_envelope.message.size()));
        return command(Command::Message, dotStuffed(m_envelope.message).chopped(2), u"."_s);
    case Command::Message:
        return end(positive ? Outcome::Accepted : Outcome::Refused);
    case Command::Quit:
        return {};
    }
    return {};
}

QByteArray SmtpDialogue::login()
{
    if (m_loginMethods.isEmpty())
        return end(Outcome::NoLogin);
    if (m_loginMethods.contains(u"PLAIN"_s)) {
        const QByteArray response = '\0' + m_envelope.login + '\0' + m_envelope.password;
        return command(Command::Login, "AUTH PLAIN " + response.toBase64(), u"AUTH PLAIN ****"_s);
    }
    if (m_loginMethods.contains(u"LOGIN"_s)) {
        m_loginAnswers = {m_envelope.login, m_envelope.password};
        return command(Command::Login, "AUTH LOGIN");
    }
    return end(Outcome::NoCommonLogin);
}

QByteArray SmtpDialogue::nextRecipientOrData()
{
    int next = 0;
    bool anyAccepted = false;
    for (const Exchange &exchange : m_exchanges) {
        if (exchange.command == Command::Recipient) {
            next = exchange.recipient + 1;
            anyAccepted = anyAccepted || exchange.reply.positive();
        }
    }
    if (next < m_envelope.recipients.size()) {
        return command(Command::Recipient, "RCPT TO:<" + m_envelope.recipients[next] + '>', {},
                       next);
    }
    return anyAccepted ? command(Command::Data, "DATA") : end(Outcome::Refused);
}

const SmtpDialogue::Exchange *SmtpDialogue::decisive() const
{
    for (auto it = m_exchanges.crbegin(); it != m_exchanges.crend(); ++it) {
        if (it->command != Command::Quit)
            return &*it;
    }
    return nullptr;
}

QList<MailExchange> SmtpDialogue::result() const
{
    QList<MailExchange> result;
    for (const Exchange &exchange : m_exchanges) {
        result.append({exchange.shown, exchange.replied ? exchange.reply.code : 0,
                       exchange.replied ? exchange.reply.text() : QString()});
    }
    return result;
}
