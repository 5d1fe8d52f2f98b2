#pragma once

#include <QMap>
#include <QProcess>
#include <QStringList>
#include <QTemporaryDir>

// A private Dovecot POP3 server for one test: its own configuration, state and maildirs in
// a temporary folder, users from a passwd-file, on a free loopback port. Never the system's
// instance, never port 110; stopped when the peer goes. The secure kind serves POP3 and IMAP,
// plain with STARTTLS and over TLS, with a certificate from a CA of its own, through the
// fixture script a person uses to try it.
class DovecotPeer
{
public:
    struct User
    {
        QString password;
        int messages = 0;
        int seen = 0; // of them, already read
    };
    struct Ports
    {
        quint16 pop3 = 0, pop3s = 0, imap = 0, imaps = 0;
    };

    DovecotPeer() = default;
    ~DovecotPeer();

    // Why it cannot run here, or empty.
    static QString unavailableReason();
    // Writes the folder and starts the server; false with error() set when it did not come up.
    bool start(const QMap<QString, User> &users);
    bool startSecure(const QMap<QString, User> &users);
    // Stops the secure server and starts it again with a new certificate from the same CA.
    bool renewCertificate();
    void stop();
    quint16 port() const { return m_port; }
    const Ports &ports() const { return m_ports; }
    QString caFile() const { return m_dir.path() + QStringLiteral("/ca.pem"); }
    QString certificateFile() const { return m_dir.path() + QStringLiteral("/srv.pem"); }
    const QString &error() const { return m_error; }

private:
    bool writeFolder(const QMap<QString, User> &users);
    bool launch();
    bool launchSecure();
    bool waitForGreeting();
    bool greets() const;

    QTemporaryDir m_dir;
    QProcess m_process;
    quint16 m_port = 0;
    Ports m_ports;
    QStringList m_accounts;
    QString m_error;
};
