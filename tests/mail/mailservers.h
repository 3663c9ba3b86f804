#pragma once

#include <QJsonDocument>
#include <QJsonObject>
#include <QList>
#include <QProcess>
#include <QString>

#ifndef Q_OS_WIN
#include <unistd.h>
#endif

// The mail servers of smtpserver.py on 127.0.0.1, for the tests that send a test e-mail: one
// run of the script per test executable (PYTHON3 and SMTP_SERVER come from the target
// mail_test_servers in tests/mail/CMakeLists.txt). The script ends on every way out: by
// stop(), by this object's destructor, or by its standard input closing when the test dies.
class MailServers
{
public:
    ~MailServers() { stop(); }

    // Starts the servers in folder, which receives cert.pem (the test CA), and waits for their
    // ports. Returns why they did not start; empty when they run.
    QByteArray start(const QString &folder)
    {
#ifdef Q_OS_WIN
        // The servers are Debian's python3 and aiosmtpd, which a Windows program under Wine
        // does not start.
        Q_UNUSED(folder);
        m_missing = true;
        return "The local mail servers run on Linux only";
#endif
        m_server.start(QStringLiteral(PYTHON3), {QStringLiteral(SMTP_SERVER), folder});
        while (!m_server.canReadLine() && m_server.waitForReadyRead(15000)) { }
        if (m_server.canReadLine()) {
            m_ports = QJsonDocument::fromJson(m_server.readLine()).object();
            return {};
        }
        m_server.waitForFinished(5000);
        // As root (CI) the packages can be installed, so a missing one is a failure.
#ifndef Q_OS_WIN
        m_missing = m_server.exitCode() == 77 && ::geteuid() != 0;
#endif
        return m_server.readAllStandardError().trimmed() + m_server.errorString().toUtf8();
    }

    // python3-aiosmtpd or openssl is missing, and this user cannot install them.
    bool missing() const
    {
        return m_missing;
    }

    void stop()
    {
        m_server.closeWriteChannel();
        if (m_server.state() != QProcess::NotRunning && !m_server.waitForFinished(5000))
            m_server.kill();
    }

    // The port of a server: "plain", "tls", "starttls", "silent", "closed"; 0 for no server.
    int port(const QString &name) const
    {
        return m_ports.value(name).toInt();
    }

    // The messages the servers accepted since the last call: waits for the expected number,
    // then takes any more that come.
    QList<QJsonObject> receivedMessages(int expected)
    {
        QList<QJsonObject> messages;
        while (m_server.canReadLine()
               || m_server.waitForReadyRead(messages.size() < expected ? 5000 : 50)) {
            while (m_server.canReadLine())
                messages.append(QJsonDocument::fromJson(m_server.readLine()).object());
        }
        return messages;
    }

private:
    QProcess m_server;
    QJsonObject m_ports;
    bool m_missing = false;
};

// Starts servers in folder from a test function: skips when the packages are missing and
// fails when the servers do not start otherwise.
#define START_MAIL_SERVERS(servers, folder)                                                        \
    do {                                                                                           \
        const QByteArray why = (servers).start(folder);                                            \
        if ((servers).missing())                                                                   \
            QSKIP(why + " (Debian: python3-aiosmtpd openssl; tools/test installs them)");          \
        if (!why.isEmpty())                                                                        \
            QFAIL("The mail servers did not start: " + why);                                       \
    } while (false)
