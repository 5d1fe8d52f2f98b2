#pragma once

#include <QProcess>
#include <QTemporaryDir>

// chronyd as a private NTP server for one test: a configuration in a temporary folder, a free
// loopback port, its own local clock at stratum 8, no upstream servers, and never a hand on
// the system clock (-x). Stopped when the peer goes.
class ChronyPeer
{
public:
    ~ChronyPeer();

    // The chronyd to run (the one scripts/deps.sh unpacked, else an installed one), or empty.
    static QString program();
    // False with error() set when it does not answer.
    bool start();
    quint16 port() const { return m_port; }
    const QString &error() const { return m_error; }

private:
    bool answers() const;

    QTemporaryDir m_dir;
    QProcess m_process;
    quint16 m_port = 0;
    QString m_error;
};
