#include "clock/AlarmSettings.h"

#include "clock/TimeFormats.h"
#include "platform/SettingsStore.h"

#include <array>

namespace AlarmSettings {

namespace {

const std::array<Sound, kSlots> kSounds{{
    {"Alarm", 700},
    {"Beep", 700},
    {"Bell", 700},
    {"Bird", 4000},
    {"Buzz", 700},
    {"Cuckoo", 800},
    {"Psycho", 0},
    {"Rooster", 3000},
}};

// The test items have always named some files in lower case; the application folder finds
// them whatever their case.
const std::array<const char *, kSlots> kTestFiles{
    "\\Alarms\\Alarm.wav", "\\Alarms\\beep.wav",   "\\Alarms\\Bell.wav",   "\\Alarms\\Bird.wav",
    "\\Alarms\\Buzz.wav",  "\\Alarms\\cuckoo.wav", "\\Alarms\\psycho.wav", "\\Alarms\\Rooster.wav",
};

} // namespace

QString section()
{
    return QStringLiteral("Clock");
}

QString stateKey(int slot)
{
    return QStringLiteral("Alarm%1").arg(slot);
}

QString timeKey(int slot)
{
    return QStringLiteral("AlarmTime%1").arg(slot);
}

QString titleKey(int slot)
{
    return QStringLiteral("A%1Title").arg(slot);
}

const Sound &sound(int index)
{
    return kSounds.at(static_cast<std::size_t>(index));
}

QString soundFile(int index)
{
    return QStringLiteral("\\Alarms\\") + QLatin1String(sound(index).caption)
        + QStringLiteral(".wav");
}

QString testFile(int index)
{
    return QLatin1String(kTestFiles.at(static_cast<std::size_t>(index)));
}

int soundIndex(const QString &file)
{
    for (int i = 0; i < kSlots; ++i)
        if (file == soundFile(i))
            return i;
    return -1;
}

QString ringingSoundFile(const QString &stored)
{
    if (stored.isEmpty() || stored == QLatin1String("1"))
        return soundFile(0);
    return stored;
}

const QStringList &snoozeChoices()
{
    static const QStringList choices{
        QStringLiteral("1"),  QStringLiteral("2"),  QStringLiteral("3"),  QStringLiteral("4"),
        QStringLiteral("5"),  QStringLiteral("6"),  QStringLiteral("7"),  QStringLiteral("8"),
        QStringLiteral("9"),  QStringLiteral("10"), QStringLiteral("11"), QStringLiteral("12"),
        QStringLiteral("13"), QStringLiteral("14"), QStringLiteral("15"), QStringLiteral("20"),
        QStringLiteral("25"), QStringLiteral("30"), QStringLiteral("45"), QStringLiteral("60"),
    };
    return choices;
}

int snoozeMinutes(const QString &stored)
{
    const QString trimmed = stored.trimmed();
    return snoozeChoices().contains(trimmed) ? trimmed.toInt() : 5;
}

QString snoozeCaption(int minutes)
{
    return QStringLiteral("Snooze: %1 Minutes").arg(minutes);
}

std::optional<QTime> parseTime(const QString &text)
{
    static const char *const formats[] = {"h:mm:ss AP", "h:mm AP", "H:mm:ss", "H:mm"};
    const QString trimmed = text.trimmed();
    for (const char *format : formats) {
        const QTime time = QTime::fromString(trimmed, QLatin1String(format));
        if (time.isValid())
            return time;
    }
    return std::nullopt;
}

QString timeText(const QTime &time)
{
    return TimeFormats::longTime(time);
}

QString shownTitle(const QString &stored)
{
    return stored == QLatin1String("1") ? QString() : stored;
}

} // namespace AlarmSettings

QString AlarmSettings::alarmSource(SettingsStore &settings)
{
    const QString stored
        = settings.getSetting(section(), QStringLiteral("AlarmType"), QStringLiteral("1"));
    if (stored == QLatin1String("MP3") || stored == QLatin1String("CD"))
        return stored;
    return QStringLiteral("Alarm");
}
