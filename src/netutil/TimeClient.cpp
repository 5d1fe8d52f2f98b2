#include "netutil/TimeClient.h"

#include "common/LineClient.h"
#include "netutil/TimeServer.h"
#include "platform/Clock.h"
#include "platform/SystemClock.h"

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
    return QStringLiteral("Adjusted Seconds: %1").arg(adjustedSeconds);
}

QString TimeSyncOutcome::reason() const
{
    return result == Result::ClockNotSet ? QStringLiteral("Clock not set: %1").arg(failure)
                                         : QString();
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
    , m_client(new LineClient({kTimeoutMs, 4, 4, 4}, QStringLiteral("TimerTimeSync"), this))
{
    connect(m_client, &LineClient::answerReceived, this, [this](const QByteArray &answer) {
        if (m_running)
            onReply(qFromBigEndian<quint32>(answer.constData()));
    });
    // Refused, closed before four bytes, or silent to the end: no answer to learn from.
    connect(m_client, &LineClient::failed, this, [this] {
        m_client->abort();
        if (m_running)
            finish({});
    });
}

void TimeClient::start(const TimeServer &server)
{
    if (m_running)
        return;
    m_running = true;
    m_client->open(server.host, server.port);
}

void TimeClient::onTimeout()
{
    if (m_running && m_client->waiting())
        m_client->onTimeout();
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
