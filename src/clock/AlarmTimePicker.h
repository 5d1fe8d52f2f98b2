#pragma once

#include <QString>

// The texts of the alarm settings panel's two sliders. The hour slider runs 1 to 24: in
// 12-hour mode 1 to 11 are AM, 12 is 12 AM (midnight), 13 to 23 are PM and 24 is 12 PM
// (noon); in 24-hour mode 24 is hour 0 and no designator is shown, so every text the
// panel offers converts to a time of day.
class AlarmTimePicker
{
public:
    void setMinute(int value);
    void setHour(int value, bool twentyFourHour);

    const QString &hourLabel() const { return m_hourLabel; }     // "7AM", "19"
    const QString &minuteLabel() const { return m_minuteLabel; } // "5"
    const QString &timeLabel() const { return m_timeLabel; }     // "7:05 AM", "19:05"

private:
    void compose();

    QString m_hourText = QStringLiteral("12");
    QString m_minuteText = QStringLiteral("59");
    QString m_designator;
    QString m_hourLabel = QStringLiteral("12");
    QString m_minuteLabel = QStringLiteral("59");
    QString m_timeLabel = QStringLiteral("12:59");
    int m_minute = 59;
};
