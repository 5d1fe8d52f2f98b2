#pragma once

#include <QDateTime>
#include <QString>

// What the talking clock says and when: the interval modes, the recorded words of the
// "Times" folder, and which minutes have been spoken already.
namespace TimeAnnouncement {

// "Clock"/"Talk": 0 off, 1 every 15 minutes, 2 every 30 minutes, 3 every hour.
enum Mode { Off = 0, Every15 = 1, Every30 = 2, EveryHour = 3 };

// The stored text as a mode; anything but 1, 2 or 3 is off.
Mode modeFromText(const QString &stored);
// True when the mode speaks at this minute of the hour.
bool speaksAt(Mode mode, int minute);

// The hour word for an hour of the day: 0 and 12 say twelve, 13 to 23 the hour less 12,
// and anything out of range falls back to one.
QString hourWord(int hour);
// The word after the hour in the quarter modes; empty for a minute that has none.
QString minuteWord(int minute);
// The word after the hour in the hourly mode.
QString oClockWord();

} // namespace TimeAnnouncement

// Remembers the last minute spoken, so the once-a-second tick speaks each announcement
// minute once. Keyed by the minute itself rather than a flag cleared ten minutes later, so
// a clock that jumps past the clearing minute (a machine that slept, a clock that was set)
// still speaks the next announcement.
class AnnouncementSchedule
{
public:
    // True when `now` is a minute the mode speaks at and it has not been spoken.
    bool due(TimeAnnouncement::Mode mode, const QDateTime &now) const;
    // The announcement begun at `at` has been made.
    void spoken(const QDateTime &at);
    void reset() { m_lastSpoken = {}; }

private:
    QDateTime m_lastSpoken; // truncated to the minute
};
