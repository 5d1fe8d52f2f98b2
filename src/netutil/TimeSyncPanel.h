#pragma once

#include "netutil/TimeClient.h"
#include "netutil/TimeServer.h"
#include "platform/Connectivity.h"
#include "platform/Services.h"

#include <QObject>
#include <QPointer>

class LumoButton;
class QLabel;
class QLineEdit;
class QWidget;
class OfflineQuestion;

// The "Time Sync" button and its status field: sets the computer's clock from a time server.
// One synchronisation at a time; the button stays disabled until its outcome is shown, and
// the dashboard runs on meanwhile.
class TimeSyncPanel : public QObject
{
    Q_OBJECT
public:
    TimeSyncPanel(Services &services, QWidget *surface, OfflineQuestion &offline,
                  const Connectivity::State &connectivity);

    // The load step: the server is fixed by the program (ORVANE_TIME_SERVER to try another),
    // the protocol by "System"/"TimeProtocol".
    void load();
    const TimeServer &server() const { return m_server; }

    void onCmdTimeSyncReleased(int x, int y);
    // The synchronisation under way, if any (tests drive its time-out).
    TimeClient *client() const { return m_client; }

Q_SIGNALS:
    void finished();

private:
    void show(const TimeSyncOutcome &outcome);
    void setStatus(const QString &text, const QString &style, const QString &reason = {},
                   const QString &detail = {});

    Services &m_services;
    OfflineQuestion &m_offline;
    const Connectivity::State &m_connectivity;
    LumoButton *m_cmdTimeSync;
    QLineEdit *m_txtStatus;
    QLabel *m_lblReason; // a second line under the field, for a reason too long for it
    TimeServer m_server;
    QPointer<TimeClient> m_client;
};
