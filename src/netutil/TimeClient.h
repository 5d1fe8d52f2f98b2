#pragma once

#include "netutil/SntpPacket.h"

#include <QDateTime>
#include <QObject>

#include <optional>

class Clock;
class DatagramExchange;
class LineClient;
class SystemClock;
struct TimeServer;

// How one synchronisation ended.
struct TimeSyncOutcome
{
    // ShownOnly: the system keeps its clock by itself, so it was left alone.
    enum class Result { NoResponse, Adjusted, ClockNotSet, ShownOnly };
    Result result = Result::NoResponse;
    qint64 adjustedSeconds = 0;     // server time minus the computer's, in whole seconds
    std::optional<qint64> offsetMs; // the same to the millisecond, where the protocol says
    QDateTime serverTime;           // UTC; invalid without a reply
    QString failure;                // why the clock was not set

    bool ok() const { return result == Result::Adjusted || result == Result::ShownOnly; }
    // What the status field shows: the figure, also when the clock could not be set.
    QString text() const;
    // Why the clock was not changed; empty when it was or with no figure.
    QString reason() const;
    // "Offset: 100012 ms", where the protocol tells milliseconds.
    QString offsetText() const;
};

Q_DECLARE_METATYPE(TimeSyncOutcome)

// The server's reply (seconds since 1900, 32 bits, so it wraps every 136 years) as seconds
// since 1970, in the era that puts it nearest the computer's clock.
qint64 serverUnixSeconds(quint32 reply, qint64 systemUnixSeconds);

// One synchronisation with a time server: over SNTP, one stamped request and the first reply
// that answers it; over RFC 868, connect, send nothing, read the four-byte reply, close. Then
// the computer's clock is stepped by the difference when there is one, unless the system keeps
// it by itself. Never waits on the window: the outcome arrives as a signal, after the reply,
// a failure, or the time-out.
class TimeClient : public QObject
{
    Q_OBJECT
public:
    static constexpr int kTimeoutMs = 5000;

    TimeClient(const Clock &clock, SystemClock &systemClock, QObject *parent = nullptr);

    void start(const TimeServer &server);
    // The time-out's tick (timer "TimerTimeSync", "TimerNtpSync" for NTP; tests call it
    // directly).
    void onTimeout();
    bool running() const { return m_running; }

Q_SIGNALS:
    // Exactly once per start, never from inside start().
    void finished(const TimeSyncOutcome &outcome);

private:
    void onReply(quint32 reply);
    void onDatagram(const QByteArray &datagram);
    void apply(TimeSyncOutcome outcome);
    void finish(const TimeSyncOutcome &outcome);
    qint64 nowMs() const;

    const Clock &m_clock;
    SystemClock &m_systemClock;
    LineClient *m_client;
    DatagramExchange *m_datagrams;
    Sntp::Request m_request;
    qint64 m_sentMs = 0;
    bool m_running = false;
};
