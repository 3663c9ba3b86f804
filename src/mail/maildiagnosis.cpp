#include "mail/maildiagnosis.h"

#include "carriers/mailproviders.h"
#include "mail/mailfields.h"
#include "mail/safetext.h"
#include "netcfg/listing.h"

#include <QStringList>

#include <algorithm>
#include <iterator>
#include <optional>
#include <utility>

using namespace Qt::Literals::StringLiterals;

namespace {

using Command = SmtpDialogue::Command;

// What the server's reply to a command says, for the words.
enum class ReplyKind {
    Temporary, // 4xx at any step: not now
    Credentials, // the login: 535, 534 or 5.7.8, the account or password judged
    Permanent, // any other refusal
};

struct CommandWords
{
    Command command;
    MailStep step;
    const char *doing; // after "could not"
    const char *awaited; // after "the server did not answer"
};

// clang-format off
const CommandWords kCommands[] = {
    {Command::Greeting,  MailStep::LoggingIn, "take the connection",  "with a greeting"},
    {Command::Hello,     MailStep::LoggingIn, "take the greeting",    "EHLO"},
    {Command::Login,     MailStep::LoggingIn, "check the login",      "the login"},
    {Command::LoginStep, MailStep::LoggingIn, "check the login",      "the login"},
    {Command::Sender,    MailStep::Sending,   "take the sender",      "MAIL FROM"},
    {Command::Recipient, MailStep::Sending,   "take the recipient",   "RCPT TO"},
    {Command::Data,      MailStep::Sending,   "take the test e-mail", "DATA"},
    {Command::Message,   MailStep::Sending,   "take the test e-mail", "the end of the test e-mail"},
    {Command::Quit,      MailStep::Sending,   "end the dialogue",     "QUIT"},
};

// The words of a refused step. %where: "port 465 of smtp.example.org"; %reply: the server's
// whole reply; %sender; %password: the Password's field; %devicePassword: what the sender's
// provider wants of a device's password; %doing: kCommands; %recipients: each
// refused recipient with its reply. The first row of the command and kind of reply decides;
// a command of none names any command.
struct Diagnosis
{
    std::optional<Command> command;
    ReplyKind kind;
    const char16_t *words;
};

const Diagnosis kDiagnoses[] = {
    {Command::Greeting,  ReplyKind::Temporary,   u"The server on %where turned this computer away for now (%reply). Try again later; the account and password were not checked."},
    {Command::Greeting,  ReplyKind::Permanent,   u"The server on %where turned this computer away (%reply)."},
    {Command::Hello,     ReplyKind::Permanent,   u"The server on %where refused this computer's greeting, EHLO (%reply)."},
    {Command::Login,     ReplyKind::Credentials, u"The server refused the account or password of %sender (%reply). %devicePassword"},
    {Command::Login,     ReplyKind::Permanent,   u"The server refused the login of %sender (%reply), without saying that the account or password is wrong."},
    {Command::Sender,    ReplyKind::Permanent,   u"The server refused the sender %sender (%reply). Many providers accept only the account's own address as the sender."},
    {Command::Recipient, ReplyKind::Temporary,   u"The server could not take %recipients now: try again later."},
    {Command::Recipient, ReplyKind::Permanent,   u"The server refused %recipients."},
    {Command::Data,      ReplyKind::Permanent,   u"The server refused to take the test e-mail (%reply)."},
    {Command::Message,   ReplyKind::Permanent,   u"The server refused the test e-mail once it had it (%reply)."},
    {std::nullopt,       ReplyKind::Temporary,   u"The server on %where could not %doing now (%reply): try again later. This does not say that the account or password is wrong."},
};

// The words of a test that ended before the dialogue could decide, by how it ended: %limit
// ("The time limit of 30 seconds passed"), %waited, %step, %detail, %unanswered (": the
// server did not answer DATA"), %Server and %Port (their fields) and those of Diagnosis.
struct EndWords
{
    SessionEnd end;
    const char16_t *words;
};

const EndWords kEnds[] = {
    {SessionEnd::NotFound,           u"The server name %server cannot be found. Check %Server, and that this computer is online."},
    {SessionEnd::NothingAnswers,     u"Nothing answers on %where. Check %Server and %Port."},
    {SessionEnd::NoAnswer,           u"%limit while connecting to %where: nothing answered. A firewall, or the internet provider of this computer, may block the port."},
    {SessionEnd::PlainGreetingOnTls, u"The server on %where starts unencrypted: it greeted in plain text, where SSL YES expects encryption from the first byte. Set SSL to NO, or use the server's SSL port (usually 465) with SSL YES."},
    {SessionEnd::TlsSilent,          u"The server on %where accepted the connection, but neither a secure connection nor a mail server's greeting came within %waited."},
    {SessionEnd::TlsFailed,          u"The secure connection to %server on port %port failed: %detail."},
    {SessionEnd::Untrusted,          u"The secure connection to %server is not trusted: the server's certificate %detail. The camera may still accept it."},
    {SessionEnd::Silent,             u"The server on %where accepted the connection, but no mail server greeted within %waited. If this is the server's SSL port (usually 465), set SSL to YES."},
    {SessionEnd::TimeLimit,          u"%limit while %step%unanswered."},
    {SessionEnd::Closed,             u"The server on %where closed the connection while %step."},
    {SessionEnd::Cancelled,          u"The test was cancelled."},
    {SessionEnd::Failed,             u"The test failed while %step: %detail."},
};
// clang-format on

const CommandWords &wordsOf(Command command)
{
    for (const CommandWords &row : kCommands) {
        if (row.command == command)
            return row;
    }
    return kCommands[0];
}

ReplyKind kindOf(Command command, const SmtpReply &reply)
{
    if (reply.temporary())
        return ReplyKind::Temporary;
    const bool login = command == Command::Login || command == Command::LoginStep;
    if (login && (reply.code == 535 || reply.code == 534 || reply.enhanced == "5.7.8"))
        return ReplyKind::Credentials;
    return ReplyKind::Permanent;
}

const char16_t *diagnosisWords(Command command, ReplyKind kind)
{
    if (command == Command::LoginStep)
        command = Command::Login;
    for (const Diagnosis &row : kDiagnoses) {
        if ((!row.command || *row.command == command) && row.kind == kind)
            return row.words;
    }
    return kind == ReplyKind::Credentials ? diagnosisWords(command, ReplyKind::Permanent)
                                          : u"The server on %where refused a command (%reply).";
}

QString secondsWord(std::chrono::seconds seconds)
{
    return seconds.count() == 1 ? u"1 second"_s : u"%1 seconds"_s.arg(seconds.count());
}

QString recipientsWord(int count)
{
    return count == 1 ? u"1 recipient"_s : u"%1 recipients"_s.arg(count);
}

class Words
{
public:
    Words(const MailAccount &account, const MailTestOptions &options)
        : m_account(account)
        , m_options(options)
        , m_keys(recipientKeys(account))
    { }

    QString name(const char *key) const { return fieldName(m_options, QLatin1StringView(key)); }
    QString where() const
    {
        return u"port %1 of %2"_s.arg(safeText(m_account.port), safeText(m_account.server));
    }

    // What the sender's provider wants of a device's password, in its own words; for a
    // provider the table does not know, what many want.
    QString devicePassword() const
    {
        const MailProvider *provider = mailProviderOf(m_account.sender);
        if (provider && provider->camera == CameraUse::Works && !provider->note.isEmpty())
            return u"%1 %2."_s.arg(provider->name, provider->note);
        return u"Many providers need an app password for devices: make one in the account's "
               "security settings and enter it as %1."_s.arg(name("Password"));
    }

    // words with its placeholders filled in one pass, so that no text put in is read again:
    // %where, %server, %port, %sender, %password, then those of exchange (%reply, %doing,
    // %awaited) and more.
    QString filled(QStringView words, const SmtpDialogue::Exchange *exchange = nullptr,
                   QList<std::pair<QString, QString>> more = {}) const
    {
        more += {{u"where"_s, where()},
                 {u"server"_s, safeText(m_account.server)},
                 {u"port"_s, safeText(m_account.port)},
                 {u"sender"_s, safeText(m_account.sender)},
                 {u"password"_s, name("Password")},
                 {u"devicePassword"_s, devicePassword()}};
        if (exchange) {
            const CommandWords &command = wordsOf(exchange->command);
            more += {{u"reply"_s, exchange->reply.text()},
                     {u"doing"_s, QLatin1StringView(command.doing)},
                     {u"awaited"_s, QLatin1StringView(command.awaited)}};
        }
        QString text;
        for (qsizetype i = 0; i < words.size();) {
            const auto value = std::find_if(more.cbegin(), more.cend(), [&](const auto &named) {
                return words[i] == u'%' && words.sliced(i + 1).startsWith(named.first);
            });
            if (value == more.cend()) {
                text += words[i++];
                continue;
            }
            text += value->second;
            i += 1 + value->first.size();
        }
        return text;
    }

    // The fields among keys whose values hold letters outside ASCII, and a sentence on them
    // that follows what the server did with them; empty when all are plain ASCII.
    QString outsideAscii(const QList<QLatin1StringView> &keys, bool refused) const
    {
        QStringList fields, letters;
        for (const AccountValue &value : accountValues(m_account)) {
            if (keys.contains(value.key) && !lettersOutsideAscii(value.value).isEmpty()) {
                fields.append(fieldName(m_options, value.key));
                letters.append(lettersOutsideAscii(value.value));
            }
        }
        if (fields.isEmpty())
            return {};
        if (!refused) {
            return u" The server received %1 as the camera sends %2: the letters outside ASCII "
                   "as single bytes of %3."_s.arg(listed(fields),
                                                  fields.size() == 1 ? u"it"_s : u"them"_s,
                                                  fileCodePageName());
        }
        return u" %1 %2 letters outside ASCII (%3), the likely cause: the camera sends them as "
               "single bytes of %4, where many servers expect plain ASCII or UTF-8."_s.arg(
                   listed(fields), fields.size() == 1 ? u"holds"_s : u"hold"_s, listed(letters),
                   fileCodePageName());
    }

    // The key of the filled recipient at index.
    QLatin1StringView recipientKey(int index) const { return m_keys.value(index); }

private:
    static QList<QLatin1StringView> recipientKeys(const MailAccount &account)
    {
        QList<QLatin1StringView> keys;
        const QList<AccountValue> values = accountValues(account);
        for (const AccountValue &value : values.sliced(4)) {
            if (!value.value.isEmpty())
                keys.append(value.key);
        }
        return keys;
    }

    const MailAccount &m_account;
    const MailTestOptions &m_options;
    const QList<QLatin1StringView> m_keys;
};

MailTestResult failure(MailStep step, const QString &message, const SmtpDialogue *dialogue)
{
    return {false, 0, step, message, dialogue ? dialogue->result() : QList<MailExchange>()};
}

// The result of a dialogue that reached its outcome.
MailTestResult concluded(const Words &words, const MailAccount &account,
                         const SmtpDialogue &dialogue)
{
    const SmtpDialogue::Exchange *decisive = dialogue.decisive();
    const MailStep step = wordsOf(decisive->command).step;

    // Every recipient the server answered, and the refused ones with their replies.
    QStringList refused;
    QList<QLatin1StringView> refusedKeys, sentKeys {"Sender"_L1, "Password"_L1};
    int accepted = 0;
    bool allTemporary = true;
    for (const SmtpDialogue::Exchange &exchange : dialogue.exchanges()) {
        if (exchange.command != Command::Recipient || !exchange.replied)
            continue;
        const QLatin1StringView key = words.recipientKey(exchange.recipient);
        if (exchange.reply.positive()) {
            ++accepted;
            sentKeys.append(key);
            continue;
        }
        refused.append(u"%1 (%2)"_s.arg(
            safeText(filledRecipients(account).value(exchange.recipient)), exchange.reply.text()));
        refusedKeys.append(key);
        allTemporary = allTemporary && exchange.reply.temporary();
    }
    const QString recipients
        = (refused.size() == 1 ? u"the recipient "_s : u"the recipients "_s) + listed(refused);
    const QString refusedWords = words.filled(
        QStringView(diagnosisWords(Command::Recipient,
                                   allTemporary ? ReplyKind::Temporary : ReplyKind::Permanent)),
        nullptr, {{u"recipients"_s, recipients}});

    MailTestResult result {false, accepted, step, {}, dialogue.result()};
    switch (dialogue.outcome()) {
    case SmtpDialogue::Outcome::Accepted:
        if (!refused.isEmpty()) {
            result.message = refusedWords
                + u" It accepted the test e-mail for the other %1."_s.arg(recipientsWord(accepted))
                + words.outsideAscii(refusedKeys, true);
            return result;
        }
        result.accepted = true;
        result.message
            = u"The server accepted the test e-mail for %1."_s.arg(recipientsWord(accepted))
            + words.outsideAscii(sentKeys, false);
        return result;
    case SmtpDialogue::Outcome::NoLogin:
        result.message = words.filled(u"The server on %where offers no login on this connection, "
                                      "so it cannot check the account and password."_s);
        if (!account.ssl && dialogue.offersStartTls()) {
            result.message += u" It offers one only after switching to encryption (STARTTLS), "
                              "which the camera does not do: set SSL to YES and use the "
                              "server's SSL port, usually 465."_s;
        }
        return result;
    case SmtpDialogue::Outcome::NoCommonLogin:
        result.message = words.filled(
            u"The server on %where offers only %methods to log in, and the camera logs in with a "
            "password by PLAIN or LOGIN: it cannot log in here."_s,
            nullptr, {{u"methods"_s, listed(dialogue.loginMethods())}});
        return result;
    case SmtpDialogue::Outcome::Garbled:
        result.message = words.filled(u"The server on %where does not answer as a mail server."_s);
        return result;
    case SmtpDialogue::Outcome::Refused:
    case SmtpDialogue::Outcome::Running:
        break;
    }
    if (decisive->command == Command::Recipient) {
        result.message = refusedWords + words.outsideAscii(refusedKeys, true);
        return result;
    }
    const ReplyKind kind = kindOf(decisive->command, decisive->reply);
    result.message = words.filled(QStringView(diagnosisWords(decisive->command, kind)), decisive);
    if (kind != ReplyKind::Temporary) {
        if (decisive->command == Command::Sender)
            result.message += words.outsideAscii({"Sender"_L1}, true);
        else if (step == MailStep::LoggingIn && decisive->command != Command::Greeting
                 && decisive->command != Command::Hello)
            result.message += words.outsideAscii({"Sender"_L1, "Password"_L1}, true);
    }
    return result;
}

} // namespace

MailTestResult diagnose(const MailAccount &account, const MailTestOptions &options,
                        const SessionOutcome &outcome, const SmtpDialogue *dialogue)
{
    if (outcome.end == SessionEnd::Dialogue)
        return concluded(Words(account, options), account, *dialogue);
    const Words words(account, options);
    const SmtpDialogue::Exchange *awaited
        = dialogue && dialogue->awaitingReply() ? &dialogue->exchanges().back() : nullptr;
    const MailStep step = awaited ? wordsOf(awaited->command).step : outcome.step;
    const auto fail = [&](const char16_t *text) {
        const QList<std::pair<QString, QString>> more {
            {u"limit"_s, u"The time limit of %1 passed"_s.arg(secondsWord(options.timeLimit))},
            {u"waited"_s, secondsWord(outcome.waited)},
            {u"step"_s, mailStepWords(step)},
            {u"unanswered"_s,
             awaited ? u": the server did not answer "_s
                     + QLatin1StringView(wordsOf(awaited->command).awaited)
                     : QString()},
            {u"detail"_s, outcome.detail},
            {u"Server"_s, words.name("Server")},
            {u"Port"_s, words.name("Port")}};
        return failure(step, words.filled(QStringView(text), awaited, more), dialogue);
    };
    for (const EndWords &row : kEnds) {
        if (row.end == outcome.end)
            return fail(row.words);
    }
    return fail(kEnds[std::size(kEnds) - 1].words);
}
