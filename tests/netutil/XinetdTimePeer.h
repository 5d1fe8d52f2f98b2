#pragma once

#include <QProcess>
#include <QTemporaryDir>

// xinetd's internal RFC 868 time service for one test, from a configuration in a temporary
// folder, on a free loopback port. Never the system's instance, never port 37; stopped when
// the peer goes.
class XinetdTimePeer
{
public:
    ~XinetdTimePeer();

    // Why it cannot run here, or empty.
    static QString unavailableReason();
    // False with error() set when the service did not come up.
    bool start();
    quint16 port() const { return m_port; }
    const QString &error() const { return m_error; }

private:
    bool launch();
    QString log() const;

    QTemporaryDir m_dir;
    QProcess m_process;
    quint16 m_port = 0;
    QString m_error;
};
