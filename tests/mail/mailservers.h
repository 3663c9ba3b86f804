#pragma once

#include <QDeadlineTimer>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QList>
#include <QProcess>
#include <QSet>
#include <QString>
#include <QThread>

#ifdef Q_OS_WIN
#include <winsock2.h>
#else
#include <unistd.h>
#endif

// The mail servers of smtpserver.py on 127.0.0.1, for the tests that send a test e-mail:
// Postfix with Dovecot, and the scripted servers beside them, one run of the script per test
// executable (PYTHON3 and SMTP_SERVER come from the target mail_test_servers in
// tests/mail/CMakeLists.txt). The script, and Postfix and Dovecot with it, ends on every way
// out: by stop(), by this object's destructor, or by its standard input (under Wine: its
// control connection) closing when the test dies.
//
// Under Wine the Windows tests start the same Linux script: Wine starts a Linux program as a
// process of its own but hands it none of the Windows pipes, so there the script writes its
// lines to servers.out in the folder and ends when the test's connection to its control port
// closes.
class MailServers
{
public:
    ~MailServers() { stop(); }

    // Starts the servers in folder, which receives ca.pem (the authority of the tls server)
    // and other.pem (one that issued nothing), and waits for their ports. Returns why they did
    // not start; empty when they run.
    QByteArray start(const QString &folder)
    {
#ifdef Q_OS_WIN
        const QByteArray linuxFolder = linuxPath(folder);
        if (linuxFolder.isEmpty()) {
            m_missing = true;
            return "The local mail servers are Linux programs, which only Wine starts";
        }
        m_out.setFileName(QDir(folder).filePath(QStringLiteral("servers.out")));
        if (!QProcess::startDetached(QStringLiteral("Z:" PYTHON3),
                                     {QStringLiteral(SMTP_SERVER), QString::fromUtf8(linuxFolder),
                                      QStringLiteral("--files")}))
            return "Wine did not start " PYTHON3;
#else
        m_server.start(QStringLiteral(PYTHON3), {QStringLiteral(SMTP_SERVER), folder});
#endif
        m_mail = QDir(folder).filePath(QStringLiteral("mail"));
        const QByteArray ports = nextLine(30000);
        if (!ports.isEmpty()) {
            m_ports = QJsonDocument::fromJson(ports).object();
#ifdef Q_OS_WIN
            if (!connectControl(port(QStringLiteral("control"))))
                return "The mail servers' control port did not answer";
#endif
            return {};
        }
#ifdef Q_OS_WIN
        QFile errors(QDir(folder).filePath(QStringLiteral("servers.err")));
        errors.open(QIODevice::ReadOnly);
        return "The mail servers wrote no ports in 30 s (as root; Debian: postfix dovecot-core "
               "openssl): "
            + errors.readAll().trimmed();
#else
        m_server.waitForFinished(5000);
        // As root (CI) the packages can be installed, so a missing one is a failure; Postfix
        // starts only as root.
        m_missing = m_server.exitCode() == 77 && ::geteuid() != 0;
        return m_server.readAllStandardError().trimmed() + m_server.errorString().toUtf8();
#endif
    }

    // postfix, dovecot-core or openssl is missing, or this user is not root.
    bool missing() const
    {
        return m_missing;
    }

    void stop()
    {
#ifdef Q_OS_WIN
        if (m_control == INVALID_SOCKET)
            return;
        // The servers end when this end closes; their end closes as their process ends.
        shutdown(m_control, SD_SEND);
        const DWORD limitMs = 5000;
        setsockopt(m_control, SOL_SOCKET, SO_RCVTIMEO, reinterpret_cast<const char *>(&limitMs),
                   sizeof limitMs);
        char ignored[64];
        while (recv(m_control, ignored, sizeof ignored, 0) > 0) { }
        closesocket(m_control);
        m_control = INVALID_SOCKET;
#else
        m_server.closeWriteChannel();
        if (m_server.state() != QProcess::NotRunning && !m_server.waitForFinished(5000))
            m_server.kill();
#endif
    }

    // The port of a server of smtpserver.py ("plain", "tls", "silent", "closed"...); 0 for
    // no server.
    int port(const QString &name) const
    {
        return m_ports.value(name).toInt();
    }

    // The messages that Postfix delivered since the last call, by mailbox ("a" for
    // a@example.org), each as its file holds it: waits for the expected number, or, expecting
    // none, a moment for one that should not come.
    QList<std::pair<QString, QByteArray>> delivered(int expected)
    {
        QList<std::pair<QString, QByteArray>> messages;
        for (QDeadlineTimer limit(expected ? 10000 : 300);; QThread::msleep(20)) {
            QDirIterator it(m_mail, {QStringLiteral("*")}, QDir::Files,
                            QDirIterator::Subdirectories);
            while (it.hasNext()) {
                const QString path = it.next();
                QFile file(path);
                if (m_seen.contains(path) || !path.contains(QStringLiteral("/new/"))
                    || !file.open(QIODevice::ReadOnly))
                    continue;
                m_seen.insert(path);
                messages.append({path.section(u'/', -3, -3), file.readAll()});
            }
            if (limit.hasExpired() || (expected > 0 && messages.size() >= expected))
                return messages;
        }
    }

private:
    // The script's next line, waiting at most timeoutMs; empty when none came.
    QByteArray nextLine(int timeoutMs)
    {
#ifdef Q_OS_WIN
        for (QDeadlineTimer limit(timeoutMs);; QThread::msleep(20)) {
            if (m_out.isOpen() || m_out.open(QIODevice::ReadOnly | QIODevice::Unbuffered))
                m_pending += m_out.readAll();
            const qsizetype end = m_pending.indexOf('\n');
            if (end >= 0) {
                const QByteArray line = m_pending.left(end);
                m_pending.remove(0, end + 1);
                return line;
            }
            if (limit.hasExpired())
                return {};
        }
#else
        while (!m_server.canReadLine() && m_server.waitForReadyRead(timeoutMs)) { }
        return m_server.canReadLine() ? m_server.readLine().trimmed() : QByteArray();
#endif
    }

#ifdef Q_OS_WIN
    // Connects to the servers' control port on 127.0.0.1, which stands in for their standard
    // input: the connection closes when this process ends, however it ends.
    bool connectControl(int controlPort)
    {
        WSADATA data;
        if (controlPort == 0 || WSAStartup(MAKEWORD(2, 2), &data) != 0)
            return false;
        m_control = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
        sockaddr_in address {};
        address.sin_family = AF_INET;
        address.sin_port = htons(static_cast<u_short>(controlPort));
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        return m_control != INVALID_SOCKET
            && ::connect(m_control, reinterpret_cast<const sockaddr *>(&address), sizeof address)
            == 0;
    }

    // The Linux path that Wine gives a Windows one; empty outside Wine.
    static QByteArray linuxPath(const QString &path)
    {
        using UnixFileName = char *(__cdecl *)(const wchar_t *);
        const auto unixFileName = reinterpret_cast<UnixFileName>(reinterpret_cast<void *>(
            GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "wine_get_unix_file_name")));
        if (!unixFileName)
            return {};
        const std::wstring native = QDir::toNativeSeparators(path).toStdWString();
        char *name = unixFileName(native.c_str());
        const QByteArray unixName(name);
        HeapFree(GetProcessHeap(), 0, name);
        return unixName;
    }

    SOCKET m_control = INVALID_SOCKET;
    QFile m_out;
    QByteArray m_pending;
#else
    QProcess m_server;
#endif
    QJsonObject m_ports;
    QString m_mail; // Postfix's Maildirs
    QSet<QString> m_seen;
    bool m_missing = false;
};

// Starts servers in folder from a test function: skips when the packages are missing and
// fails when the servers do not start otherwise.
#define START_MAIL_SERVERS(servers, folder)                                                        \
    do {                                                                                           \
        const QByteArray why = (servers).start(folder);                                            \
        if ((servers).missing())                                                                   \
            QSKIP(why + " (as root; Debian: postfix dovecot-core openssl; tools/test installs)");  \
        if (!why.isEmpty())                                                                        \
            QFAIL("The mail servers did not start: " + why);                                       \
    } while (false)
