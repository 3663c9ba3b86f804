#include "mail/mailtest.h"

#include "mail/smtpdialogue.h"
#include "netcfg/listing.h"

#include <QDateTime>
#include <QFile>
#include <QUuid>

#include <cstring>
#include <curl/curl.h>
#include <memory>
#ifdef _WIN32
#include <winsock2.h>
#include <ws2tcpip.h>
#else
#include <sys/socket.h>
#include <unistd.h>
#endif

using namespace Qt::Literals::StringLiterals;

namespace {

// libcurl's global state, set up once per process before the first handle; thread-safe
// through the static's guarded initialisation. Never cleaned up: a detached name look-up may
// still run when the process ends.
bool curlReady()
{
    static const bool ready = curl_global_init(CURL_GLOBAL_DEFAULT) == CURLE_OK;
    return ready;
}

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

// Names under .invalid never exist (RFC 6761), so the test answers them itself rather than
// ask the system's name server: no query leaves the computer.
bool isNeverFound(const QString &server)
{
    QString name = server.toLower();
    if (name.endsWith(u'.'))
        name.chop(1);
    return name == u"invalid" || name.endsWith(u".invalid");
}

QStringList filled(const QStringList &recipients)
{
    QStringList filled;
    for (const QString &recipient : recipients) {
        if (!recipient.isEmpty())
            filled.append(recipient);
    }
    return filled;
}

QString recipientsWord(int count)
{
    return count == 1 ? u"1 recipient"_s : u"%1 recipients"_s.arg(count);
}

QString secondsWord(std::chrono::seconds limit)
{
    return limit.count() == 1 ? u"1 second"_s : u"%1 seconds"_s.arg(limit.count());
}

// The test e-mail: plain text from the sender to every recipient, CRLF line ends.
QByteArray testMessage(const MailAccount &account, const QStringList &recipients)
{
    const qsizetype at = account.sender.lastIndexOf(u'@');
    const QString domain = at >= 0 ? account.sender.mid(at + 1) : u"localhost"_s;
    const QStringList lines {
        u"Date: "_s + QDateTime::currentDateTime().toString(Qt::RFC2822Date),
        u"From: "_s + account.sender,
        u"To: "_s + recipients.join(u", "_s),
        u"Subject: Test e-mail from the camera setting tool"_s,
        u"Message-ID: <%1@%2>"_s.arg(QUuid::createUuid().toString(QUuid::WithoutBraces), domain),
        u"MIME-Version: 1.0"_s,
        u"Content-Type: text/plain; charset=UTF-8"_s,
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
    return (lines.join(u"\r\n"_s) + u"\r\n"_s).toUtf8();
}

// What the callbacks share while libcurl runs the test.
struct Run
{
    Run(const MailAccount &account, const MailTestOptions &options, const MailTestHooks &hooks)
        : account(account)
        , options(options)
        , hooks(hooks)
        , recipients(filled(account.recipients))
        , message(testMessage(account, recipients))
        , dialogue(hooks.dialogue)
    { }

    // Reports every step up to and including step, in order, once.
    void reach(MailStep step)
    {
        while (reached < step) {
            reached = static_cast<MailStep>(static_cast<int>(reached) + 1);
            if (reached == MailStep::Securing && !account.ssl)
                continue;
            if (hooks.stepStarted)
                hooks.stepStarted(reached);
        }
    }

    // The steps done by now. libcurl's connect timer waits for TLS too, so a connected
    // socket is what shows that securing has begun.
    void follow(CURL *easy)
    {
        for (const curl_socket_t socket : sockets)
            follow(socket);
        curl_off_t secured = 0;
        curl_easy_getinfo(easy, CURLINFO_APPCONNECT_TIME_T, &secured);
        if (account.ssl && secured > 0)
            reach(MailStep::LoggingIn);
    }
    void follow(curl_socket_t socket)
    {
        sockaddr_storage peer {};
        socklen_t size = sizeof peer;
        if (getpeername(socket, reinterpret_cast<sockaddr *>(&peer), &size) == 0)
            reach(account.ssl ? MailStep::Securing : MailStep::LoggingIn);
    }

    bool cancelled()
    {
        cancelRequested = cancelRequested || (hooks.cancelRequested && hooks.cancelRequested());
        return cancelRequested;
    }

    const MailAccount &account;
    const MailTestOptions &options;
    const MailTestHooks &hooks;
    const QStringList recipients; // the filled ones
    const QByteArray message;
    qsizetype messageSent = 0;
    SmtpDialogue dialogue;
    QList<curl_socket_t> sockets; // libcurl's open sockets to the server
    MailStep reached = MailStep::Checking;
    bool cancelRequested = false;
};

int onDebug(CURL *, curl_infotype type, char *data, size_t size, void *clientp)
{
    Run &run = *static_cast<Run *>(clientp);
    const QByteArray bytes(data, static_cast<qsizetype>(size));
    switch (type) {
    case CURLINFO_TEXT:
        run.dialogue.note(bytes);
        break;
    case CURLINFO_HEADER_IN:
        run.reach(MailStep::LoggingIn); // the server speaks: the connection is secured
        run.dialogue.serverSent(bytes);
        break;
    case CURLINFO_HEADER_OUT:
        run.dialogue.clientSent(bytes);
        if (run.dialogue.senderSent() && !run.dialogue.sendsWithoutLogin())
            run.reach(MailStep::Sending);
        break;
    default: // the message's and TLS's bytes
        break;
    }
    return 0;
}

int onSocket(void *clientp, curl_socket_t socket, curlsocktype)
{
    Run &run = *static_cast<Run *>(clientp);
    run.sockets.append(socket);
    run.reach(MailStep::Connecting);
    return CURL_SOCKOPT_OK;
}

int onCloseSocket(void *clientp, curl_socket_t socket)
{
    Run &run = *static_cast<Run *>(clientp);
    run.follow(socket); // a failed handshake closes the socket before the loop sees it
    run.sockets.removeOne(socket);
#ifdef _WIN32
    return closesocket(socket);
#else
    return close(socket);
#endif
}

int onProgress(void *clientp, curl_off_t, curl_off_t, curl_off_t, curl_off_t)
{
    return static_cast<Run *>(clientp)->cancelled() ? 1 : 0;
}

size_t onRead(char *buffer, size_t size, size_t count, void *clientp)
{
    Run &run = *static_cast<Run *>(clientp);
    if (run.dialogue.sendsWithoutLogin())
        return CURL_READFUNC_ABORT; // the message never goes out unless the login did
    const qsizetype length
        = std::min(static_cast<qsizetype>(size * count), run.message.size() - run.messageSent);
    std::memcpy(buffer, run.message.constData() + run.messageSent, static_cast<size_t>(length));
    run.messageSent += length;
    return static_cast<size_t>(length);
}

MailTestResult failure(MailStep step, const QString &message)
{
    return {false, 0, step, message};
}

struct EasyDeleter
{
    void operator()(CURL *easy) const { curl_easy_cleanup(easy); }
};
struct MultiDeleter
{
    void operator()(CURLM *multi) const { curl_multi_cleanup(multi); }
};
struct ListDeleter
{
    void operator()(curl_slist *list) const { curl_slist_free_all(list); }
};

// SSL YES: TLS from the first byte; NO: plain SMTP that never asks for STARTTLS.
QByteArray mailUrl(const MailAccount &account)
{
    const QString host
        = account.server.contains(u':') ? u'[' + account.server + u']' : account.server;
    return u"%1://%2:%3"_s.arg(account.ssl ? u"smtps"_s : u"smtp"_s, host, account.port).toUtf8();
}

// Whether the server shows a certificate issued by itself: a second, short connection that
// checks nothing and only looks at the certificate. For Windows' secure channel, which gives
// one reason ("untrusted root") for a self-signed certificate and an unknown authority alike.
bool showsSelfSignedCertificate(Run &run)
{
    const std::unique_ptr<CURL, EasyDeleter> easy(curl_easy_init());
    if (!easy)
        return false;
    CURL *const e = easy.get();
    const QByteArray url = mailUrl(run.account);
    curl_easy_setopt(e, CURLOPT_URL, url.constData());
    curl_easy_setopt(e, CURLOPT_CONNECT_ONLY, 1L);
    curl_easy_setopt(e, CURLOPT_SSL_VERIFYPEER, 0L);
    curl_easy_setopt(e, CURLOPT_SSL_VERIFYHOST, 0L);
    curl_easy_setopt(e, CURLOPT_CERTINFO, 1L);
    curl_easy_setopt(e, CURLOPT_TIMEOUT_MS, 5000L);
    curl_easy_setopt(e, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(e, CURLOPT_NOPROGRESS, 0L);
    curl_easy_setopt(e, CURLOPT_XFERINFOFUNCTION, onProgress); // Cancel ends it too
    curl_easy_setopt(e, CURLOPT_XFERINFODATA, &run);
    curl_certinfo *certificates = nullptr;
    if (curl_easy_perform(e) != CURLE_OK
        || curl_easy_getinfo(e, CURLINFO_CERTINFO, &certificates) != CURLE_OK || !certificates
        || certificates->num_of_certs < 1)
        return false;
    QByteArray subject, issuer;
    for (const curl_slist *field = certificates->certinfo[0]; field; field = field->next) {
        const QByteArray line(field->data);
        if (line.startsWith("Subject:"))
            subject = line.mid(8);
        else if (line.startsWith("Issuer:"))
            issuer = line.mid(7);
    }
    return !subject.isEmpty() && subject == issuer;
}

// Why libcurl did not trust the server's certificate, in words that follow "the server's
// certificate ...".
QString certificateFault(Run &run, CURL *easy, const char *curlWords)
{
    long verification = 0;
    curl_easy_getinfo(easy, CURLINFO_SSL_VERIFYRESULT, &verification);
    switch (verification) { // OpenSSL's verification results
    case 18: // X509_V_ERR_DEPTH_ZERO_SELF_SIGNED_CERT
    case 19: // X509_V_ERR_SELF_SIGNED_CERT_IN_CHAIN
        return u"is self-signed"_s;
    case 2: // X509_V_ERR_UNABLE_TO_GET_ISSUER_CERT
    case 20: // X509_V_ERR_UNABLE_TO_GET_ISSUER_CERT_LOCALLY
    case 21: // X509_V_ERR_UNABLE_TO_VERIFY_LEAF_SIGNATURE
        return u"comes from an authority this computer does not know"_s;
    case 9: // X509_V_ERR_CERT_NOT_YET_VALID
        return u"is not valid yet"_s;
    case 10: // X509_V_ERR_CERT_HAS_EXPIRED
        return u"has expired"_s;
    default:
        break;
    }
    // Windows' secure channel: its error's name in curl's words.
    const QByteArray words(curlWords);
    if (words.contains("target host name") || words.contains("SEC_E_WRONG_PRINCIPAL"))
        return u"was issued for another name"_s;
    if (words.contains("UNTRUSTED_ROOT")) {
        return showsSelfSignedCertificate(run)
            ? u"is self-signed"_s
            : u"comes from an authority this computer does not know"_s;
    }
    return u"could not be verified"_s;
}

// The result of a test that libcurl ended with code.
MailTestResult conclude(Run &run, CURL *easy, CURLcode code, const char *curlWords)
{
    const MailAccount &account = run.account;
    const SmtpDialogue &dialogue = run.dialogue;
    if (code == CURLE_SSL_CONNECT_ERROR || code == CURLE_PEER_FAILED_VERIFICATION)
        run.reach(MailStep::Securing);
    if (code == CURLE_LOGIN_DENIED || dialogue.sendsWithoutLogin())
        run.reach(MailStep::LoggingIn);
    const MailStep step = run.reached;
    const QString reply = dialogue.lastReply().text;

    QStringList refused;
    int acceptedRecipients = 0;
    const QList<SmtpDialogue::Reply> &replies = dialogue.recipientReplies();
    for (qsizetype i = 0; i < replies.size() && i < run.recipients.size(); ++i) {
        if (replies[i].positive())
            ++acceptedRecipients;
        else
            refused.append(u"%1 (%2)"_s.arg(run.recipients[i], replies[i].text));
    }
    const QString refusedWords = refused.size() == 1
        ? u"The server refused the recipient %1."_s.arg(refused.first())
        : u"The server refused the recipients %1."_s.arg(listed(refused));

    if (code == CURLE_OK) {
        if (!refused.isEmpty()) {
            return {false, acceptedRecipients, MailStep::Sending,
                    refusedWords
                        + u" It accepted the test e-mail for the other %1."_s.arg(
                            recipientsWord(acceptedRecipients))};
        }
        return {true, acceptedRecipients, MailStep::Sending,
                u"The server accepted the test e-mail for %1."_s.arg(
                    recipientsWord(acceptedRecipients))};
    }

    const QString where = u"port %1 of %2"_s.arg(account.port, account.server);
    if (dialogue.sendsWithoutLogin()) {
        QString message = u"The server on %1 offers no login on this connection, so it cannot "
                          "check the account and password."_s.arg(where);
        if (!account.ssl && dialogue.offersStartTls()) {
            message += u" It offers one only after switching to encryption (STARTTLS), which "
                       "the camera does not do: set SSL to YES and use the server's SSL port, "
                       "usually 465."_s;
        }
        return failure(step, message);
    }

    switch (code) {
    case CURLE_COULDNT_RESOLVE_HOST:
        return failure(step,
                       u"The server name %1 cannot be found. Check the Server, and that this "
                       "computer is online."_s.arg(account.server));
    case CURLE_COULDNT_CONNECT:
        return failure(step, u"Nothing answers on %1. Check the Server and the Port."_s.arg(where));
    case CURLE_ABORTED_BY_CALLBACK:
        return failure(step, u"The test was cancelled."_s);
    case CURLE_OPERATION_TIMEDOUT: {
        const QString limit
            = u"The time limit of %1 passed"_s.arg(secondsWord(run.options.timeLimit));
        if (step == MailStep::Connecting) {
            return failure(
                step,
                limit
                    + u" while connecting to %1: nothing answered. A firewall, or "
                      "the internet provider of this computer, may block the port."_s.arg(where));
        }
        if (step == MailStep::LoggingIn && !dialogue.greeted()) {
            QString message
                = limit + u": %1 accepted the connection, but no mail server greeted."_s.arg(where);
            if (!account.ssl) {
                message += u" If this is the server's SSL port (usually 465), set SSL to YES."_s;
            }
            return failure(step, message);
        }
        return failure(step, limit + u" while "_s + mailStepWords(step) + u'.');
    }
    case CURLE_PEER_FAILED_VERIFICATION:
        return failure(step,
                       u"The secure connection to %1 is not trusted: the server's certificate "
                       "%2. The camera may still accept it."_s.arg(
                           account.server, certificateFault(run, easy, curlWords)));
    case CURLE_LOGIN_DENIED:
        return failure(step,
                       u"The server refused the account or password of %1 (%2). Many providers "
                       "need an app password for devices: make one in the account's security "
                       "settings and enter it as the Password."_s.arg(account.sender, reply));
    default:
        break;
    }

    if (step == MailStep::Securing) {
        QString message
            = u"The secure connection to %1 on port %2 failed."_s.arg(account.server, account.port);
        if (account.port == u"587" || account.port == u"25") {
            message += u" This port expects an unencrypted start; the camera needs SSL on the "
                       "server's SSL port, usually 465."_s;
        }
        return failure(step, message);
    }
    if (!dialogue.lastReply().positive()) {
        switch (dialogue.lastCommand()) {
        case SmtpDialogue::Command::Sender:
            return failure(step,
                           u"The server refused the sender %1 (%2)."_s.arg(account.sender, reply));
        case SmtpDialogue::Command::Recipient:
            return failure(step, refusedWords);
        case SmtpDialogue::Command::Data:
        case SmtpDialogue::Command::Message:
            return failure(step, u"The server refused the test e-mail (%1)."_s.arg(reply));
        default:
            break;
        }
    }
    if (code == CURLE_WEIRD_SERVER_REPLY) {
        return failure(step,
                       u"The test failed while %1: %2 does not answer as a mail server."_s.arg(
                           mailStepWords(step), where));
    }
    return failure(step,
                   u"The test failed while %1: %2."_s.arg(
                       mailStepWords(step), QString::fromUtf8(curl_easy_strerror(code))));
}

} // namespace

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

QString checkMailAccount(const MailAccount &account)
{
    QStringList missing;
    if (account.server.isEmpty())
        missing.append(u"the Server"_s);
    if (account.port.isEmpty())
        missing.append(u"the Port"_s);
    if (account.sender.isEmpty())
        missing.append(u"the Sender"_s);
    if (account.password.isEmpty())
        missing.append(u"the Password"_s);
    if (filled(account.recipients).isEmpty())
        missing.append(u"at least one of Email 1 to Email 5"_s);
    if (!missing.isEmpty())
        return u"Fill in %1."_s.arg(listed(missing));

    if (!isServerName(account.server)) {
        return u"The Server \"%1\" is not a server name: give the name alone, such as "
               "smtp.example.org."_s.arg(account.server);
    }
    if (portNumber(account.port) == 0)
        return u"The Port \"%1\" is not a number from 1 to 65535."_s.arg(account.port);
    QStringList fields {u"The Sender"_s};
    QStringList addresses {account.sender};
    for (qsizetype i = 0; i < account.recipients.size(); ++i) {
        fields.append(u"Email %1"_s.arg(i + 1));
        addresses.append(account.recipients[i]);
    }
    for (qsizetype i = 0; i < addresses.size(); ++i) {
        if (!isAddress(addresses[i])) {
            return u"%1 \"%2\" is not an e-mail address: it holds a space or a character that "
                   "no address holds."_s.arg(fields[i], addresses[i]);
        }
    }
    return {};
}

MailTestResult runMailTest(const MailAccount &account, const MailTestOptions &options,
                           const MailTestHooks &hooks)
{
    const QString problem = checkMailAccount(account);
    if (!problem.isEmpty())
        return failure(MailStep::Checking, problem);
    if (!curlReady())
        return failure(MailStep::Checking, u"The mail library could not be started."_s);

    Run run(account, options, hooks);
    run.reach(MailStep::Resolving);
    if (isNeverFound(account.server))
        return conclude(run, nullptr, CURLE_COULDNT_RESOLVE_HOST, "");

    const std::unique_ptr<CURL, EasyDeleter> easy(curl_easy_init());
    const std::unique_ptr<CURLM, MultiDeleter> multi(curl_multi_init());
    if (!easy || !multi)
        return failure(MailStep::Checking, u"The mail library could not be started."_s);

    const QByteArray url = mailUrl(account);
    std::unique_ptr<curl_slist, ListDeleter> recipients;
    for (const QString &recipient : run.recipients) {
        const QByteArray address = ('<' + recipient + '>').toUtf8();
        if (curl_slist *const longer = curl_slist_append(recipients.get(), address.constData())) {
            recipients.release(); // the same list, one longer
            recipients.reset(longer);
        }
    }
    char curlWords[CURL_ERROR_SIZE] = {};
    const long limitMs = static_cast<long>(
        std::chrono::duration_cast<std::chrono::milliseconds>(options.timeLimit).count());

    CURL *const e = easy.get();
    curl_easy_setopt(e, CURLOPT_URL, url.constData());
    curl_easy_setopt(e, CURLOPT_USE_SSL, static_cast<long>(CURLUSESSL_NONE));
    curl_easy_setopt(e, CURLOPT_USERNAME, account.sender.toUtf8().constData());
    curl_easy_setopt(e, CURLOPT_PASSWORD, account.password.toUtf8().constData());
    curl_easy_setopt(e, CURLOPT_MAIL_FROM, ('<' + account.sender + '>').toUtf8().constData());
    curl_easy_setopt(e, CURLOPT_MAIL_RCPT, recipients.get());
    // Go on past a refused recipient, so that every refused one can be named.
#if LIBCURL_VERSION_NUM >= 0x080200
    curl_easy_setopt(e, CURLOPT_MAIL_RCPT_ALLOWFAILS, 1L);
#elif LIBCURL_VERSION_NUM >= 0x074500
    curl_easy_setopt(e, CURLOPT_MAIL_RCPT_ALLLOWFAILS, 1L);
#endif
    curl_easy_setopt(e, CURLOPT_UPLOAD, 1L);
    curl_easy_setopt(e, CURLOPT_READFUNCTION, onRead);
    curl_easy_setopt(e, CURLOPT_READDATA, &run);
    curl_easy_setopt(e, CURLOPT_INFILESIZE_LARGE, static_cast<curl_off_t>(run.message.size()));
    if (!options.caFile.isEmpty()) {
#ifdef _WIN32
        // libcurl for Windows (built with Unicode) takes file names in UTF-8.
        const QByteArray caFile = options.caFile.toUtf8();
#else
        const QByteArray caFile = QFile::encodeName(options.caFile);
#endif
        curl_easy_setopt(e, CURLOPT_CAINFO, caFile.constData());
    }
    curl_easy_setopt(e, CURLOPT_TIMEOUT_MS, limitMs);
    // Also bounds the wait for the reply to QUIT, which the overall limit does not cover.
    curl_easy_setopt(e, CURLOPT_SERVER_RESPONSE_TIMEOUT,
                     static_cast<long>(options.timeLimit.count()));
    curl_easy_setopt(e, CURLOPT_FORBID_REUSE, 1L);
    curl_easy_setopt(e, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(e, CURLOPT_ERRORBUFFER, curlWords);
    curl_easy_setopt(e, CURLOPT_VERBOSE, 1L);
    curl_easy_setopt(e, CURLOPT_DEBUGFUNCTION, onDebug);
    curl_easy_setopt(e, CURLOPT_DEBUGDATA, &run);
    curl_easy_setopt(e, CURLOPT_SOCKOPTFUNCTION, onSocket);
    curl_easy_setopt(e, CURLOPT_SOCKOPTDATA, &run);
    curl_easy_setopt(e, CURLOPT_CLOSESOCKETFUNCTION, onCloseSocket);
    curl_easy_setopt(e, CURLOPT_CLOSESOCKETDATA, &run);
    curl_easy_setopt(e, CURLOPT_NOPROGRESS, 0L);
    curl_easy_setopt(e, CURLOPT_XFERINFOFUNCTION, onProgress);
    curl_easy_setopt(e, CURLOPT_XFERINFODATA, &run);

    // The multi interface, so that the test looks at the cancel flag every 100 ms while it
    // waits, however long libcurl would wait.
    curl_multi_add_handle(multi.get(), e);
    CURLcode code = CURLE_OK;
    for (;;) {
        int running = 0;
        curl_multi_perform(multi.get(), &running);
        run.follow(e);
        if (running == 0) {
            int queued = 0;
            while (CURLMsg *done = curl_multi_info_read(multi.get(), &queued)) {
                if (done->msg == CURLMSG_DONE)
                    code = done->data.result;
            }
            break;
        }
        if (run.cancelled() || run.dialogue.sendsWithoutLogin()) {
            code = CURLE_ABORTED_BY_CALLBACK;
            break;
        }
        curl_multi_poll(multi.get(), nullptr, 0, 100, nullptr);
    }
    MailTestResult result = conclude(run, e, code, curlWords);
    curl_multi_remove_handle(multi.get(), e);
    return result;
}
