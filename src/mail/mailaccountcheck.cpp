// The account check: what a test needs, and what the camera would read as typed, before
// anything connects. QtCore only.
#include "mail/mailfields.h"
#include "mail/safetext.h"
#include "netcfg/codepage.h"
#include "netcfg/faithful.h"
#include "netcfg/listing.h"
#include "netcfg/netcfg.h"

#include <QFile>
#include <QFileInfo>
#include <QSet>

#include <algorithm>

using namespace Qt::Literals::StringLiterals;

namespace {

bool isWhitespaceOrControl(QChar c)
{
    return c.isSpace() || c.category() == QChar::Other_Control;
}

// The Server as a URL's host: a host name, or an IP address.
bool isServerName(const QString &server)
{
    for (const QChar c : server) {
        if (isWhitespaceOrControl(c) || u"/\\?#@[]"_s.contains(c))
            return false;
    }
    return true;
}

bool isAddress(const QString &address)
{
    for (const QChar c : address) {
        if (isWhitespaceOrControl(c) || u"<>,"_s.contains(c))
            return false;
    }
    return true;
}

int portNumber(const QString &port)
{
    for (const QChar c : port) {
        if (c < u'0' || c > u'9')
            return 0;
    }
    bool ok = false;
    const int number = port.toInt(&ok);
    return ok && number <= 65535 ? number : 0;
}

QString quoted(const QString &value)
{
    return u'"' + safeText(value) + u'"';
}

// The plain NET.CFG of these values alone: what the camera's file would hold at least.
qsizetype fileSize(const MailAccount &account)
{
    SmtpSettings settings;
    settings.Server = account.server;
    settings.Port = account.port;
    settings.Sender = account.sender;
    settings.Password = account.password;
    QString *const emails[] = {&settings.Email1, &settings.Email2, &settings.Email3,
                               &settings.Email4, &settings.Email5};
    for (qsizetype i = 0; i < account.recipients.size() && i < 5; ++i)
        *emails[i] = account.recipients[i];
    return ComposeNetCfg(settings).size();
}

// Why the CA file cannot serve, or nothing.
QString caFileProblem(const QString &caFile)
{
    const QFileInfo info(caFile);
    const QString named = u"The CA file %1"_s.arg(quoted(caFile));
    if (!info.exists())
        return named + u" does not exist."_s;
    if (info.isDir())
        return named + u" is a folder: name the certificate file in it."_s;
    QFile file(caFile);
    if (!file.open(QIODevice::ReadOnly))
        return named + u" cannot be read: "_s + safeText(file.errorString()) + u'.';
    if (!file.read(1 << 20).contains("-----BEGIN CERTIFICATE-----"))
        return named + u" holds no certificate (PEM, \"-----BEGIN CERTIFICATE-----\")."_s;
    return {};
}

} // namespace

QList<AccountValue> accountValues(const MailAccount &account)
{
    static const char *const emailKeys[] = {"Email1", "Email2", "Email3", "Email4", "Email5"};
    QList<AccountValue> values {{"Server"_L1, account.server},
                                {"Port"_L1, account.port},
                                {"Sender"_L1, account.sender},
                                {"Password"_L1, account.password}};
    for (qsizetype i = 0; i < 5; ++i)
        values.append({QLatin1StringView(emailKeys[i]), account.recipients.value(i)});
    return values;
}

QStringList filledRecipients(const MailAccount &account)
{
    QStringList filled;
    for (const QString &recipient : account.recipients) {
        if (!recipient.isEmpty())
            filled.append(recipient);
    }
    return filled;
}

QString fieldName(const MailTestOptions &options, QLatin1StringView key)
{
    return options.nameOf ? options.nameOf(key) : QString(key);
}

QByteArray cameraBytes(const QString &value)
{
    return toFileCodePage(value);
}

QString lettersOutsideAscii(const QString &value)
{
    QStringList letters;
    QSet<char32_t> seen;
    for (const char32_t c : value.toUcs4()) {
        if (c >= 0x80 && !seen.contains(c)) {
            seen.insert(c);
            letters.append(quoted(QString::fromUcs4(&c, 1)));
        }
    }
    return listed(letters);
}

QString checkMailAccount(const MailAccount &account, const MailTestOptions &options)
{
    const auto name = [&options](const char *key) {
        return fieldName(options, QLatin1StringView(key));
    };
    const QList<AccountValue> values = accountValues(account);
    QStringList missing;
    for (qsizetype i = 0; i < 4; ++i) {
        if (values[i].value.isEmpty())
            missing.append(fieldName(options, values[i].key));
    }
    if (filledRecipients(account).isEmpty())
        missing.append(u"at least one of %1 to %2"_s.arg(name("Email1"), name("Email5")));
    if (!missing.isEmpty())
        return u"Fill in %1."_s.arg(listed(missing));

    // What Generate would refuse, in its words: the camera would not read it as typed.
    QList<LabelledValue> labelled;
    for (const AccountValue &value : values)
        labelled.append({fieldName(options, value.key), value.value});
    if (const QStringList refused = unfaithfulValueLines(labelled); !refused.isEmpty())
        return refused.join(u'\n');

    const QString server = name("Server");
    if (const qsizetype colon = account.server.indexOf(u':');
        colon >= 0 && account.server.count(u':') == 1) {
        return u"%1 %2 holds a port: give the server's name alone, and the port (%3) in %4."_s.arg(
            server, quoted(account.server), safeText(account.server.mid(colon + 1)), name("Port"));
    }
    if (!isServerName(account.server)) {
        return u"%1 %2 is not a server name: give the name alone, such as smtp.example.org."_s.arg(
            server, quoted(account.server));
    }
    if (portNumber(account.port) == 0)
        return u"%1 %2 is not a number from 1 to 65535."_s.arg(name("Port"), quoted(account.port));
    for (const AccountValue &value : values.sliced(2)) {
        if (value.key != "Password"_L1 && !isAddress(value.value)) {
            return u"%1 %2 is not an e-mail address: it holds a space or a character that no "
                   "address holds."_s.arg(fieldName(options, value.key), quoted(value.value));
        }
    }
    if (const qsizetype size = fileSize(account); size > kMaxPlainFormSize) {
        const auto longest = std::max_element(values.begin(), values.end(),
                                              [](const AccountValue &a, const AccountValue &b) {
                                                  return a.value.size() < b.value.size();
                                              });
        return u"%1 is %2 characters long, longer than the camera's file can hold (%3 bytes in "
               "all, and these values take %4): shorten it."_s.arg(fieldName(options, longest->key))
                   .arg(longest->value.size())
                   .arg(kMaxPlainFormSize)
                   .arg(size);
    }
    if (!options.caFile.isEmpty())
        return caFileProblem(options.caFile);
    return {};
}
