#include "mail/mailsession.h"

#include "mail/maildiagnosis.h"
#include "mail/mailplatform.h"
#include "mail/safetext.h"
#include "mail/smtpdialogue.h"

#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QFile>

#include <algorithm>
#include <curl/curl.h>
#include <memory>
#include <optional>

using namespace Qt::Literals::StringLiterals;
using namespace std::chrono_literals;

namespace {

// How long a server may take to greet, or to start TLS, before the test says that it does
// not speak what SSL expects (a server greets within a second; a TLS port waits silently for
// the client, a plain one after a TLS start waits for the rest of a record).
constexpr std::chrono::milliseconds kStartLimit = 10s;
// How long the second, plain connection that looks for a greeting may take.
constexpr std::chrono::milliseconds kProbeLimit = 3s;
// How often every wait looks at the cancel flag.
constexpr int kPollMs = 100;

// libcurl's global state, set up once per process before the first handle; thread-safe
// through the static's guarded initialisation. Never cleaned up: a detached name look-up may
// still run when the process ends.
bool curlReady()
{
    static const bool ready = curl_global_init(CURL_GLOBAL_DEFAULT) == CURLE_OK;
    return ready;
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

struct EasyDeleter
{
    void operator()(CURL *easy) const { curl_easy_cleanup(easy); }
};
struct MultiDeleter
{
    void operator()(CURLM *multi) const { curl_multi_cleanup(multi); }
};

// What the connections of a test share: the account, the time limit, the hooks.
struct Test
{
    const MailAccount &account;
    const MailTestOptions &options;
    const MailTestHooks &hooks;
    QDeadlineTimer deadline;
    MailStep reached = MailStep::Checking;
    bool cancelRequested = false;

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

    bool cancelled()
    {
        cancelRequested = cancelRequested || (hooks.cancelRequested && hooks.cancelRequested());
        return cancelRequested;
    }

    void note(const QString &line) const
    {
        if (hooks.dialogue)
            hooks.dialogue(u"* "_s + line);
    }
};

enum class Io { Done, Closed, TimedOut, Cancelled };

// One connection to the server, made by libcurl (TCP, and TLS for SSL YES) and then handed
// over: a URL of a scheme that says nothing of its own once connected (http, https) with
// CONNECT_ONLY, so that every byte of the dialogue is the test's own.
class Connection
{
public:
    // A connection that looks at the server for another's sake reports no step.
    explicit Connection(Test &test, bool reportsSteps = true)
        : m_test(test)
        , m_reportsSteps(reportsSteps)
        , m_easy(curl_easy_init())
        , m_multi(curl_multi_init())
    { }
    ~Connection()
    {
        if (m_added)
            curl_multi_remove_handle(m_multi.get(), m_easy.get());
    }

    // Connects, with TLS when tls, until limit. A secure start that takes longer than
    // kStartLimit once the connection stands, or than half the time left then (which leaves
    // time for the probe that looks for a plain greeting), ends as CURLE_OPERATION_TIMEDOUT
    // with stalled() true.
    CURLcode open(bool tls, QDeadlineTimer limit, bool verify = true)
    {
        if (!m_easy || !m_multi)
            return CURLE_OUT_OF_MEMORY;
        CURL *const e = m_easy.get();
        const QString host = m_test.account.server.contains(u':')
            ? u'[' + m_test.account.server + u']'
            : m_test.account.server;
        const QByteArray url
            = u"%1://%2:%3/"_s.arg(tls ? u"https"_s : u"http"_s, host, m_test.account.port)
                  .toUtf8();
        curl_easy_setopt(e, CURLOPT_URL, url.constData());
        curl_easy_setopt(e, CURLOPT_CONNECT_ONLY, 1L);
        // The camera connects directly: no proxy, whatever the environment says.
        curl_easy_setopt(e, CURLOPT_PROXY, "");
        curl_easy_setopt(e, CURLOPT_NOPROXY, "*");
        curl_easy_setopt(e, CURLOPT_SSL_ENABLE_ALPN, 0L);
        curl_easy_setopt(e, CURLOPT_SSL_VERIFYPEER, verify ? 1L : 0L);
        curl_easy_setopt(e, CURLOPT_SSL_VERIFYHOST, verify ? 2L : 0L);
        curl_easy_setopt(e, CURLOPT_CERTINFO, verify ? 0L : 1L);
        if (!m_test.options.caFile.isEmpty()) {
#ifdef _WIN32
            // libcurl for Windows (built with Unicode) takes file names in UTF-8.
            const QByteArray caFile = m_test.options.caFile.toUtf8();
#else
            const QByteArray caFile = QFile::encodeName(m_test.options.caFile);
#endif
            curl_easy_setopt(e, CURLOPT_CAINFO, caFile.constData());
        }
        curl_easy_setopt(e, CURLOPT_CONNECTTIMEOUT_MS,
                         std::max<long>(1, long(limit.remainingTime())));
        curl_easy_setopt(e, CURLOPT_NOSIGNAL, 1L);
        curl_easy_setopt(e, CURLOPT_ERRORBUFFER, m_curlWords);
        curl_easy_setopt(e, CURLOPT_VERBOSE, 1L);
        curl_easy_setopt(e, CURLOPT_DEBUGFUNCTION, onDebug);
        curl_easy_setopt(e, CURLOPT_DEBUGDATA, this);
        curl_easy_setopt(e, CURLOPT_SOCKOPTFUNCTION, onSocket);
        curl_easy_setopt(e, CURLOPT_SOCKOPTDATA, this);

        // The multi interface, so that the test looks at the cancel flag and its own limits
        // every 100 ms while it waits, however long libcurl would wait.
        curl_multi_add_handle(m_multi.get(), e);
        m_added = true;
        for (;;) {
            int running = 0;
            curl_multi_perform(m_multi.get(), &running);
            follow(tls, limit);
            if (running == 0) {
                int queued = 0;
                CURLcode code = CURLE_OK;
                while (CURLMsg *done = curl_multi_info_read(m_multi.get(), &queued)) {
                    if (done->msg == CURLMSG_DONE)
                        code = done->data.result;
                }
                if (code == CURLE_OK) {
                    curl_easy_getinfo(e, CURLINFO_ACTIVESOCKET, &m_socket);
                    // The dialogue shows itself; libcurl's notes on it would be its own.
                    curl_easy_setopt(e, CURLOPT_VERBOSE, 0L);
                }
                return code;
            }
            if (m_test.cancelled())
                return CURLE_ABORTED_BY_CALLBACK;
            if (limit.hasExpired())
                return CURLE_OPERATION_TIMEDOUT;
            if (tls && m_connected.isValid() && m_connected.hasExpired(m_startLimitMs)) {
                m_stalled = true;
                return CURLE_OPERATION_TIMEDOUT;
            }
            curl_multi_poll(m_multi.get(), nullptr, 0, kPollMs, nullptr);
        }
    }

    bool connected() const
    {
        return m_connected.isValid();
    }
    bool stalled() const
    {
        return m_stalled;
    }
    // How long a stalled secure start was waited for, in whole seconds.
    std::chrono::seconds startWaited() const
    {
        return std::chrono::seconds((m_startLimitMs + 999) / 1000);
    }
    QString curlWords(CURLcode code) const
    {
        return safeBytes(*m_curlWords ? QByteArrayView(m_curlWords)
                                      : QByteArrayView(curl_easy_strerror(code)));
    }
    CURL *easy() const
    {
        return m_easy.get();
    }

    // What EHLO names this computer by: its address on this connection, as a literal.
    QByteArray localAddress() const
    {
        char *ip = nullptr;
        curl_easy_getinfo(m_easy.get(), CURLINFO_LOCAL_IP, &ip);
        const QByteArray address = ip ? QByteArray(ip) : QByteArray("127.0.0.1");
        return address.contains(':') ? "[IPv6:" + address + ']' : '[' + address + ']';
    }

    // Some of what the server sent, waiting until limit.
    Io receive(QByteArray &bytes, QDeadlineTimer limit)
    {
        for (;;) {
            char buffer[4096];
            size_t size = 0;
            const CURLcode code = curl_easy_recv(m_easy.get(), buffer, sizeof buffer, &size);
            if (code == CURLE_OK) {
                bytes = QByteArray(buffer, qsizetype(size));
                return size ? Io::Done : Io::Closed;
            }
            if (code != CURLE_AGAIN)
                return Io::Closed;
            if (const std::optional<Io> stop = wait(CURL_WAIT_POLLIN, limit))
                return *stop;
        }
    }

    // All of bytes, until limit.
    Io send(QByteArrayView bytes, QDeadlineTimer limit)
    {
        while (!bytes.isEmpty()) {
            size_t sent = 0;
            const CURLcode code
                = curl_easy_send(m_easy.get(), bytes.data(), size_t(bytes.size()), &sent);
            if (code == CURLE_OK) {
                bytes = bytes.sliced(qsizetype(sent));
                continue;
            }
            if (code != CURLE_AGAIN)
                return Io::Closed;
            if (const std::optional<Io> stop = wait(CURL_WAIT_POLLOUT, limit))
                return *stop;
        }
        return Io::Done;
    }

private:
    std::optional<Io> wait(short events, QDeadlineTimer limit)
    {
        if (m_test.cancelled())
            return Io::Cancelled;
        if (limit.hasExpired())
            return Io::TimedOut;
        curl_waitfd socket {m_socket, events, 0};
        const int ms = int(std::min<qint64>(kPollMs, limit.remainingTime()));
        curl_multi_wait(m_multi.get(), &socket, 1, ms, nullptr);
        return std::nullopt;
    }

    // The steps done by now: a connected socket shows that securing, or the greeting, is next.
    void follow(bool tls, QDeadlineTimer limit)
    {
        if (m_connected.isValid())
            return;
        for (const curl_socket_t socket : m_sockets) {
            if (isConnected(qintptr(socket))) {
                m_connected.start();
                m_startLimitMs = std::max<qint64>(
                    1, std::min<qint64>(kStartLimit.count(), limit.remainingTime() / 2));
                if (m_reportsSteps)
                    m_test.reach(tls ? MailStep::Securing : MailStep::LoggingIn);
            }
        }
    }

    static int onDebug(CURL *, curl_infotype type, char *data, size_t size, void *clientp)
    {
        if (type != CURLINFO_TEXT)
            return 0; // TLS's bytes; the dialogue shows its own
        const Connection &connection = *static_cast<Connection *>(clientp);
        for (QByteArray line : QByteArray(data, qsizetype(size)).split('\n')) {
            if (!line.trimmed().isEmpty())
                connection.m_test.note(safeBytes(line.trimmed()));
        }
        return 0;
    }

    static int onSocket(void *clientp, curl_socket_t socket, curlsocktype)
    {
        Connection &connection = *static_cast<Connection *>(clientp);
        connection.m_sockets.append(socket);
        if (connection.m_reportsSteps)
            connection.m_test.reach(MailStep::Connecting);
        return CURL_SOCKOPT_OK;
    }

    Test &m_test;
    const bool m_reportsSteps;
    std::unique_ptr<CURL, EasyDeleter> m_easy;
    std::unique_ptr<CURLM, MultiDeleter> m_multi;
    bool m_added = false;
    char m_curlWords[CURL_ERROR_SIZE] = {};
    QList<curl_socket_t> m_sockets; // every socket libcurl opened for the connection
    curl_socket_t m_socket = CURL_SOCKET_BAD; // the connection's, once open
    QElapsedTimer m_connected; // since the connection stands
    qint64 m_startLimitMs = 0; // for the secure start, from then
    bool m_stalled = false;
};

// Whether the server greets in plain text on a second, unencrypted connection: what a TLS
// start that failed met. Says QUIT when it does.
bool greetsInPlainText(Test &test)
{
    Connection probe(test, false);
    const QDeadlineTimer limit(
        std::min<qint64>(kProbeLimit.count(), test.deadline.remainingTime()));
    QByteArray greeting;
    if (probe.open(false, limit) != CURLE_OK)
        return false;
    while (!greeting.contains('\n') && greeting.size() < 512) {
        QByteArray more;
        if (probe.receive(more, limit) != Io::Done)
            break;
        greeting += more;
    }
    const QByteArray line = greeting.left(greeting.indexOf('\n')).trimmed();
    if (line.size() < 4 || !std::all_of(line.begin(), line.begin() + 3, [](char c) {
            return c >= '0' && c <= '9';
        }))
        return false;
    test.note(u"The server greets in plain text on this port: "_s + safeBytes(line));
    probe.send("QUIT\r\n", limit);
    return true;
}

// Whether the server shows a certificate issued by itself: a second, short connection that
// checks nothing and only looks at the certificate. For Windows' secure channel, which gives
// one reason ("untrusted root") for a self-signed certificate and an unknown authority alike.
bool showsSelfSignedCertificate(Test &test)
{
    Connection look(test, false);
    const QDeadlineTimer limit(std::min<qint64>(5000, test.deadline.remainingTime()));
    curl_certinfo *certificates = nullptr;
    if (look.open(true, limit, false) != CURLE_OK
        || curl_easy_getinfo(look.easy(), CURLINFO_CERTINFO, &certificates) != CURLE_OK
        || !certificates || certificates->num_of_certs < 1)
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
QString certificateFault(Test &test, const Connection &connection, CURLcode code)
{
    long verification = 0;
    curl_easy_getinfo(connection.easy(), CURLINFO_SSL_VERIFYRESULT, &verification);
    switch (verification) { // OpenSSL's verification results
    case 18: // X509_V_ERR_DEPTH_ZERO_SELF_SIGNED_CERT
        return u"is self-signed"_s;
    case 2: // X509_V_ERR_UNABLE_TO_GET_ISSUER_CERT
    case 19: // X509_V_ERR_SELF_SIGNED_CERT_IN_CHAIN: a chain up to an authority not trusted
    case 20: // X509_V_ERR_UNABLE_TO_GET_ISSUER_CERT_LOCALLY
    case 21: // X509_V_ERR_UNABLE_TO_VERIFY_LEAF_SIGNATURE
        return u"comes from an authority this computer does not know"_s;
    case 9: // X509_V_ERR_CERT_NOT_YET_VALID
        return u"is not valid yet"_s;
    case 10: // X509_V_ERR_CERT_HAS_EXPIRED
        return u"has expired"_s;
    case 62: // X509_V_ERR_HOSTNAME_MISMATCH
    case 64: // X509_V_ERR_IP_ADDRESS_MISMATCH
        return u"was issued for another name"_s;
    default:
        break;
    }
    // Windows' secure channel, and OpenSSL's host name check: the error's name in curl's words.
    const QString words = connection.curlWords(code);
    if (words.contains(u"target host name") || words.contains(u"SEC_E_WRONG_PRINCIPAL")
        || words.contains(u"does not match"))
        return u"was issued for another name"_s;
    if (words.contains(u"UNTRUSTED_ROOT")) {
        return showsSelfSignedCertificate(test)
            ? u"is self-signed"_s
            : u"comes from an authority this computer does not know"_s;
    }
    return u"could not be verified"_s;
}

// How the connection failed, in the diagnosis' terms.
SessionOutcome connectionFailure(Test &test, const Connection &connection, CURLcode code)
{
    const MailStep step = test.reached;
    switch (code) {
    case CURLE_COULDNT_RESOLVE_HOST:
        return {SessionEnd::NotFound, MailStep::Resolving};
    case CURLE_COULDNT_CONNECT:
        return {SessionEnd::NothingAnswers, MailStep::Connecting};
    case CURLE_ABORTED_BY_CALLBACK:
        return {SessionEnd::Cancelled, step};
    case CURLE_PEER_FAILED_VERIFICATION:
        return {SessionEnd::Untrusted, MailStep::Securing,
                certificateFault(test, connection, code)};
    case CURLE_OPERATION_TIMEDOUT:
        if (!connection.connected())
            return {SessionEnd::NoAnswer, MailStep::Connecting};
        if (!connection.stalled())
            return {SessionEnd::TimeLimit, step};
        [[fallthrough]];
    case CURLE_SSL_CONNECT_ERROR:
    case CURLE_RECV_ERROR:
    case CURLE_SEND_ERROR:
        if (test.account.ssl && greetsInPlainText(test))
            return {SessionEnd::PlainGreetingOnTls, MailStep::Securing};
        if (connection.stalled())
            return {SessionEnd::TlsSilent, MailStep::Securing, {}, connection.startWaited()};
        if (test.account.ssl)
            return {SessionEnd::TlsFailed, MailStep::Securing, connection.curlWords(code)};
        break;
    default:
        break;
    }
    return {SessionEnd::Failed, step, connection.curlWords(code)};
}

} // namespace

MailTestResult runMailSession(const MailAccount &account, const MailTestOptions &options,
                              const MailTestHooks &hooks)
{
    Test test {account, options, hooks, QDeadlineTimer(options.timeLimit)};
    if (!curlReady())
        return {false, 0, MailStep::Checking, u"The mail library could not be started."_s, {}};
    test.reach(MailStep::Resolving);
    if (isNeverFound(account.server))
        return diagnose(account, options, {SessionEnd::NotFound, MailStep::Resolving}, nullptr);

    Connection connection(test);
    if (const CURLcode code = connection.open(account.ssl, test.deadline); code != CURLE_OK)
        return diagnose(account, options, connectionFailure(test, connection, code), nullptr);
    test.reach(MailStep::LoggingIn);

    SmtpDialogue dialogue(envelopeOf(account), connection.localAddress(), hooks.dialogue);
    const auto waitLimit = std::chrono::duration_cast<std::chrono::seconds>(
        std::min<std::chrono::milliseconds>(kStartLimit, options.timeLimit));
    const QDeadlineTimer greetingLimit(std::min<qint64>(
        std::chrono::milliseconds(waitLimit).count(), test.deadline.remainingTime()));
    SessionOutcome outcome {SessionEnd::Dialogue};
    QByteArray out;
    while (outcome.end == SessionEnd::Dialogue) {
        Io io = out.isEmpty() ? Io::Done : connection.send(out, test.deadline);
        out.clear();
        if (io == Io::Done) {
            if (!dialogue.awaitingReply())
                break;
            QByteArray in;
            io = connection.receive(in, dialogue.greeted() ? test.deadline : greetingLimit);
            if (io == Io::Done) {
                out = dialogue.received(in);
                for (const SmtpDialogue::Exchange &exchange : dialogue.exchanges()) {
                    if (exchange.command == SmtpDialogue::Command::Sender)
                        test.reach(MailStep::Sending);
                }
                continue;
            }
        }
        // The connection ended, or the wait did; once the dialogue has its outcome, only the
        // reply to QUIT was missing.
        if (dialogue.outcome() != SmtpDialogue::Outcome::Running)
            break;
        switch (io) {
        case Io::Closed:
            outcome = {SessionEnd::Closed, test.reached};
            break;
        case Io::Cancelled:
            outcome = {SessionEnd::Cancelled, test.reached};
            break;
        case Io::TimedOut:
            outcome = dialogue.greeted()
                ? SessionOutcome {SessionEnd::TimeLimit, test.reached}
                : SessionOutcome {SessionEnd::Silent, test.reached, {}, waitLimit};
            break;
        case Io::Done:
            break;
        }
    }
    MailTestResult result = diagnose(account, options, outcome, &dialogue);
    if (const QByteArray quit = dialogue.quit(); !quit.isEmpty()) {
        // The test ended early: QUIT, without waiting for its reply past the limit.
        connection.send(quit, QDeadlineTimer(std::max<qint64>(0, test.deadline.remainingTime())));
        result.dialogue = dialogue.result();
    }
    return result;
}
