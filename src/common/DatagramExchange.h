#pragma once

#include <QByteArray>
#include <QObject>

#include <functional>

class QTimer;
class QUdpSocket;

// One question and answer over UDP, for the datagram protocols (SNTP): the host looked up,
// one request sent, and every datagram that comes back from that host's address and port
// handed on until the caller has its answer or the wait, bounded in time, ends. Datagrams from
// anywhere else, longer than maxDatagram, or past maxDatagrams are dropped unread. Whatever
// goes wrong ends the exchange and is told once through failed(); nothing waits on the window.
class DatagramExchange : public QObject
{
    Q_OBJECT
public:
    struct Limits
    {
        int timeoutMs;
        qsizetype maxDatagram;
        int maxDatagrams; // a flood past this ends the exchange as timed out
    };

    // `timerName` names the wait's timer, so a test can find it.
    DatagramExchange(const Limits &limits, const QString &timerName, QObject *parent = nullptr);

    // Sends the request `makeRequest` gives once the host is found (so a stamp in it is not
    // made stale by the lookup); the wait runs from here.
    void start(const QString &host, quint16 port, std::function<QByteArray()> makeRequest);
    // The answer is in: nothing more is read.
    void finish();
    // The wait's end (tests call it directly).
    void onTimeout();
    bool waiting() const;

Q_SIGNALS:
    void datagram(const QByteArray &payload); // from the host asked, within the limits
    void failed(const QString &why);          // not found, refused, or no answer in time

private:
    void readAll();
    void fail(const QString &why);

    Limits m_limits;
    QUdpSocket *m_socket;
    QTimer *m_timer;
    std::function<QByteArray()> m_makeRequest;
    int m_received = 0;
};
