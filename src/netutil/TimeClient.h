#pragma once

#include <QDateTime>
#include <QObject>

class Clock;
class LineClient;
class SystemClock;
struct TimeServer;

// How one synchronisation ended.
struct TimeSyncOutcome
{
    enum class Result { NoResponse, Adjusted, ClockNotSet };
    Result result = Result::NoResponse;
    qint64 adjustedSeconds = 0; // server time minus the computer's, in whole seconds
    QDateTime serverTime;       // UTC; invalid without a reply
    QString failure;            // why the clock was not set

    bool ok() const { return result == Result::Adjusted; }
    // What the status field shows: the figure, also when the clock could not be set.
    QString text() const;
    // Why the clock was not set ("Clock not set: ..."); empty when it was or with no figure.
    QString reason() const;
};

Q_DECLARE_METATYPE(TimeSyncOutcome)

// The server's reply (seconds since 1900, 32 bits, so it wraps every 136 years) as seconds
// since 1970, in the era that puts it nearest the computer's clock.
qint64 serverUnixSeconds(quint32 reply, qint64 systemUnixSeconds);

// One synchronisation with an RFC 868 time server: connect, send nothing, read the four-byte
// reply, close; then step the computer's clock by the difference when there is one. Never
// waits on the window: the outcome arrives as a signal, after the reply, a failed or broken
// connection, or the time-out.
class TimeClient : public QObject
{
    Q_OBJECT
public:
    static constexpr int kTimeoutMs = 5000;

    TimeClient(const Clock &clock, SystemClock &systemClock, QObject *parent = nullptr);

    void start(const TimeServer &server);
    // The time-out's tick (timer "TimerTimeSync"; tests call it directly).
    void onTimeout();
    bool running() const { return m_running; }

Q_SIGNALS:
    // Exactly once per start, never from inside start().
    void finished(const TimeSyncOutcome &outcome);

private:
    void onReply(quint32 reply);
    void finish(const TimeSyncOutcome &outcome);

    const Clock &m_clock;
    SystemClock &m_systemClock;
    LineClient *m_client;
    bool m_running = false;
};
