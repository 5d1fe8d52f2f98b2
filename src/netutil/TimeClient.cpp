#include "netutil/TimeClient.h"

#include "common/DatagramExchange.h"
#include "common/LineClient.h"
#include "netutil/TimeServer.h"
#include "platform/Clock.h"
#include "platform/SystemClock.h"

#include <QRandomGenerator>
#include <QtEndian>

#include <cmath>

namespace {

constexpr qint64 kEra = qint64(1) << 32;
// 1900-01-01 to 1970-01-01.
constexpr qint64 kSecondsTo1970 = 2208988800;
// One reply is 48 bytes; a server sends one. Anything bigger or more is not an answer.
constexpr DatagramExchange::Limits kNtpLimits{TimeClient::kTimeoutMs, 1024, 16};

qint64 floorDiv(qint64 a, qint64 b)
{
    return a / b - (a % b != 0 && (a < 0) != (b < 0) ? 1 : 0);
}

} // namespace

QString TimeSyncOutcome::text() const
{
    // The figure shows also where the clock was not, or need not be, set.
    return result == Result::NoResponse
        ? QStringLiteral("No response!")
        : QStringLiteral("Adjusted Seconds: %1").arg(adjustedSeconds);
}

QString TimeSyncOutcome::reason() const
{
    if (result == Result::ShownOnly)
        return QStringLiteral(
            "This computer keeps its clock by itself; Time Sync only shows the difference.");
    return result == Result::ClockNotSet
        ? QStringLiteral("The clock was not changed: %1").arg(failure)
        : QString();
}

QString TimeSyncOutcome::offsetText() const
{
    return offsetMs ? QStringLiteral("Offset: %1 ms").arg(*offsetMs) : QString();
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
    , m_datagrams(new DatagramExchange(kNtpLimits, QStringLiteral("TimerNtpSync"), this))
{
    connect(m_datagrams, &DatagramExchange::datagram, this, &TimeClient::onDatagram);
    connect(m_datagrams, &DatagramExchange::failed, this, [this] {
        if (m_running)
            finish({});
    });
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
    if (server.protocol == TimeServer::Protocol::Time) {
        m_client->open(server.host, server.port);
        return;
    }
    m_datagrams->start(server.host, server.port, [this] {
        m_sentMs = nowMs();
        m_request = Sntp::request(m_sentMs, quint16(QRandomGenerator::system()->generate()));
        return m_request.bytes;
    });
}

void TimeClient::onTimeout()
{
    if (m_running && m_client->waiting())
        m_client->onTimeout();
    if (m_running && m_datagrams->waiting())
        m_datagrams->onTimeout();
}

qint64 TimeClient::nowMs() const
{
    return m_clock.now().toMSecsSinceEpoch();
}

void TimeClient::onDatagram(const QByteArray &datagram)
{
    // Anything that does not answer this request is dropped, and the wait goes on.
    const std::optional<Sntp::Reply> reply
        = Sntp::readReply(datagram, m_request.transmit, m_sentMs, nowMs());
    if (!m_running || !reply)
        return;
    m_datagrams->finish();
    TimeSyncOutcome outcome;
    outcome.offsetMs = reply->offsetMs;
    outcome.adjustedSeconds = std::llround(double(reply->offsetMs) / 1000.0);
    outcome.serverTime = QDateTime::fromMSecsSinceEpoch(reply->serverUnixMs, Qt::UTC);
    apply(outcome);
}

void TimeClient::onReply(quint32 reply)
{
    const qint64 systemSeconds = floorDiv(m_clock.now().toMSecsSinceEpoch(), 1000);
    TimeSyncOutcome outcome;
    const qint64 server = serverUnixSeconds(reply, systemSeconds);
    outcome.serverTime = QDateTime::fromSecsSinceEpoch(server, Qt::UTC);
    outcome.adjustedSeconds = server - systemSeconds;
    apply(outcome);
}

void TimeClient::apply(TimeSyncOutcome outcome)
{
    outcome.result = TimeSyncOutcome::Result::Adjusted;
    if (outcome.adjustedSeconds == 0) {
        finish(outcome);
        return;
    }
    m_systemClock.keepsItself(this, [this, outcome](bool keeps) {
        if (keeps) {
            TimeSyncOutcome shown = outcome;
            shown.result = TimeSyncOutcome::Result::ShownOnly;
            finish(shown);
            return;
        }
        m_systemClock.adjust(outcome.adjustedSeconds, this,
                             [this, outcome](const QString &failure) {
                                 TimeSyncOutcome set = outcome;
                                 if (!failure.isEmpty()) {
                                     set.result = TimeSyncOutcome::Result::ClockNotSet;
                                     set.failure = failure;
                                 }
                                 finish(set);
                             });
    });
}

void TimeClient::finish(const TimeSyncOutcome &outcome)
{
    m_running = false;
    Q_EMIT finished(outcome);
}
