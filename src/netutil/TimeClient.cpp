#include "netutil/TimeClient.h"

#include "netutil/TimeServer.h"
#include "platform/Clock.h"
#include "platform/SystemClock.h"

#include <QTimer>
#include <QtEndian>

namespace {

constexpr qint64 kEra = qint64(1) << 32;
// 1900-01-01 to 1970-01-01.
constexpr qint64 kSecondsTo1970 = 2208988800;

qint64 floorDiv(qint64 a, qint64 b)
{
    return a / b - (a % b != 0 && (a < 0) != (b < 0) ? 1 : 0);
}

} // namespace

QString TimeSyncOutcome::text() const
{
    switch (result) {
    case Result::NoResponse:
        return QStringLiteral("No response!");
    case Result::Adjusted:
        return QStringLiteral("Adjusted Seconds: %1").arg(adjustedSeconds);
    case Result::ClockNotSet:
        break;
    }
    return QStringLiteral("Adjusted Seconds: %1 (clock not set: %2)")
        .arg(adjustedSeconds)
        .arg(failure);
}

qint64 serverUnixSeconds(quint32 reply, qint64 systemUnixSeconds)
{
    const qint64 system1900 = systemUnixSeconds + kSecondsTo1970;
    // The era whose reply lies within half an era of the computer's clock.
    const qint64 era = floorDiv(system1900 - qint64(reply) + kEra / 2, kEra);
    return qint64(reply) + era * kEra - kSecondsTo1970;
}

TimeClient::TimeClient(const Clock &clock, SystemClock &systemClock, QObject *parent)
    : QObject(parent)
    , m_clock(clock)
    , m_systemClock(systemClock)
    , m_timeout(new QTimer(this))
{
    m_timeout->setObjectName(QStringLiteral("TimerTimeSync"));
    m_timeout->setSingleShot(true);
    m_timeout->setInterval(kTimeoutMs);
    connect(m_timeout, &QTimer::timeout, this, &TimeClient::onTimeout);
    connect(&m_socket, &QTcpSocket::readyRead, this, &TimeClient::onReadyRead);
    // An error closes the socket; the outcome still waits for the time-out, as a late
    // reply cannot come and nothing else is to be learnt.
    connect(&m_socket, &QTcpSocket::errorOccurred, this, [this] {
        if (m_received.size() < 4)
            m_socket.abort();
    });
}

void TimeClient::start(const TimeServer &server)
{
    if (m_running)
        return;
    m_running = true;
    m_received.clear();
    m_timeout->start();
    m_socket.connectToHost(server.host, server.port);
}

void TimeClient::onTimeout()
{
    if (!m_running || m_received.size() >= 4)
        return;
    m_socket.abort();
    finish({});
}

void TimeClient::onReadyRead()
{
    if (!m_running || m_received.size() >= 4)
        return;
    m_received += m_socket.read(4 - m_received.size());
    if (m_received.size() < 4)
        return;
    m_timeout->stop();
    m_socket.abort();
    onReply(qFromBigEndian<quint32>(m_received.constData()));
}

void TimeClient::onReply(quint32 reply)
{
    const qint64 systemSeconds = floorDiv(m_clock.now().toMSecsSinceEpoch(), 1000);
    TimeSyncOutcome outcome;
    const qint64 server = serverUnixSeconds(reply, systemSeconds);
    outcome.serverTime = QDateTime::fromSecsSinceEpoch(server, Qt::UTC);
    outcome.adjustedSeconds = server - systemSeconds;
    outcome.result = TimeSyncOutcome::Result::Adjusted;
    if (outcome.adjustedSeconds == 0) {
        finish(outcome);
        return;
    }
    m_systemClock.adjust(outcome.adjustedSeconds, this, [this, outcome](const QString &failure) {
        TimeSyncOutcome set = outcome;
        if (!failure.isEmpty()) {
            set.result = TimeSyncOutcome::Result::ClockNotSet;
            set.failure = failure;
        }
        finish(set);
    });
}

void TimeClient::finish(const TimeSyncOutcome &outcome)
{
    m_running = false;
    Q_EMIT finished(outcome);
}
