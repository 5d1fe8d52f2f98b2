#pragma once

#include <QDateTime>
#include <QObject>

// The program's one sense of passing time. The clock face's timer hands it the time once a
// second; it tells whoever listens of that second, of each new minute and of each new day, so
// no feature keeps a timer of its own to notice them. Tests hand it times directly.
class ClockTicks : public QObject
{
    Q_OBJECT
public:
    using QObject::QObject;

    void tick(const QDateTime &now);
    // The day the start-up check looked at: a tick on that day is no new day.
    void setDay(const QDate &day) { m_day = day; }
    QDate day() const { return m_day; }

Q_SIGNALS:
    void second(const QDateTime &now);
    // The first tick of a minute other than the last tick's (also after a clock set back).
    void minute(const QDateTime &now);
    // Once for each new date, whichever way the date moved or however far.
    void dayChanged(const QDate &today);

private:
    QDate m_day;
    QDateTime m_minute;
};
