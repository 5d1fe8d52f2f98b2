#include "common/DatagramExchange.h"

#include <QNetworkDatagram>
#include <QTimer>
#include <QUdpSocket>

DatagramExchange::DatagramExchange(const Limits &limits, const QString &timerName, QObject *parent)
    : QObject(parent)
    , m_limits(limits)
    , m_socket(new QUdpSocket(this))
    , m_timer(new QTimer(this))
{
    m_timer->setObjectName(timerName);
    m_timer->setSingleShot(true);
    m_timer->setInterval(limits.timeoutMs);
    connect(m_timer, &QTimer::timeout, this, &DatagramExchange::onTimeout);
    // Connected, the socket takes datagrams from the host asked for alone.
    connect(m_socket, &QUdpSocket::connected, this, [this] {
        const QByteArray request = m_makeRequest();
        if (m_socket->write(request) != request.size())
            fail(m_socket->errorString());
    });
    connect(m_socket, &QUdpSocket::readyRead, this, &DatagramExchange::readAll);
    connect(m_socket, &QUdpSocket::errorOccurred, this, [this] { fail(m_socket->errorString()); });
}

void DatagramExchange::start(const QString &host, quint16 port,
                             std::function<QByteArray()> makeRequest)
{
    m_makeRequest = std::move(makeRequest);
    m_received = 0;
    m_socket->abort();
    m_timer->start();
    m_socket->connectToHost(host, port);
}

void DatagramExchange::finish()
{
    m_timer->stop();
    m_socket->abort();
}

void DatagramExchange::onTimeout()
{
    if (waiting())
        fail(QStringLiteral("no answer in time"));
}

bool DatagramExchange::waiting() const
{
    return m_timer->isActive();
}

void DatagramExchange::readAll()
{
    while (waiting() && m_socket->hasPendingDatagrams()) {
        if (++m_received > m_limits.maxDatagrams) {
            fail(QStringLiteral("too many datagrams"));
            return;
        }
        const QNetworkDatagram in = m_socket->receiveDatagram(m_limits.maxDatagram + 1);
        if (in.data().size() > m_limits.maxDatagram || in.senderPort() != m_socket->peerPort()
            || !in.senderAddress().isEqual(m_socket->peerAddress(),
                                           QHostAddress::TolerantConversion))
            continue;
        Q_EMIT datagram(in.data());
    }
}

void DatagramExchange::fail(const QString &why)
{
    if (!waiting())
        return;
    finish();
    Q_EMIT failed(why);
}
