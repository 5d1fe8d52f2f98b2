#pragma once

#include <QMap>
#include <QProcess>
#include <QTemporaryDir>

// A private Dovecot POP3 server for one test: its own configuration, state and maildirs in
// a temporary folder, users from a passwd-file, on a free loopback port. Never the system's
// instance, never port 110; stopped when the peer goes.
class DovecotPeer
{
public:
    struct User
    {
        QString password;
        int messages = 0;
    };

    DovecotPeer() = default;
    ~DovecotPeer();

    // Why it cannot run here, or empty.
    static QString unavailableReason();
    // Writes the folder and starts the server; false with error() set when it did not come up.
    bool start(const QMap<QString, User> &users);
    void stop();
    quint16 port() const { return m_port; }
    const QString &error() const { return m_error; }

private:
    bool writeFolder(const QMap<QString, User> &users);
    bool launch();
    bool greets() const;

    QTemporaryDir m_dir;
    QProcess m_process;
    quint16 m_port = 0;
    QString m_error;
};
