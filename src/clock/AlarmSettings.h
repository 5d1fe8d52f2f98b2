#pragma once

#include <QString>
#include <QStringList>
#include <QTime>

#include <optional>

class SettingsStore;

// The alarm's stored settings: key names, the eight built-in sounds with their repeat
// intervals, the snooze lengths, and the time text the slots are stored in.
namespace AlarmSettings {

inline constexpr int kSlots = 8;

QString section();          // "Clock"
QString stateKey(int slot); // Alarm3
QString timeKey(int slot);  // AlarmTime3
QString titleKey(int slot); // A3Title

struct Sound
{
    const char *caption;
    int intervalMs; // 0: the interval in force stays
};
const Sound &sound(int index); // index 0 to 7, in menu order
// "\Alarms\Bell.wav" for the sound's caption.
QString soundFile(int index);
// The file a "Test Alarms" item plays (the same sounds, named as the menu always named them).
QString testFile(int index);
// The table index of a stored sound file, or -1 when it is not one of the eight.
int soundIndex(const QString &file);
// The sound that rings: the stored one, or "Alarm" when none was ever chosen.
QString ringingSoundFile(const QString &stored);

// The lengths the snooze dialog offers, in minutes.
const QStringList &snoozeChoices();
// A stored snooze length, or 5 minutes when nothing valid is stored.
int snoozeMinutes(const QString &stored);
QString snoozeCaption(int minutes); // "Snooze: 5 Minutes"

// A slot's time as stored ("7:30:00 AM"); also reads "7:30 AM" and 24-hour "19:30(:00)".
std::optional<QTime> parseTime(const QString &text);
QString timeText(const QTime &time);

// The alarm source as stored: "MP3" or "CD", and "Alarm" for anything else, so a profile
// that never chose a source rings with the built-in sound rather than silently.
QString alarmSource(SettingsStore &settings);

// A title line as shown: nothing for a slot never set.
QString shownTitle(const QString &stored);

} // namespace AlarmSettings
