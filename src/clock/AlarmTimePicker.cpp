#include "clock/AlarmTimePicker.h"

void AlarmTimePicker::setMinute(int value)
{
    m_minute = value;
    m_minuteText = value < 10 ? QStringLiteral("0%1").arg(value) : QString::number(value);
    m_minuteLabel = QString::number(value);
    compose();
}

void AlarmTimePicker::setHour(int value, bool twentyFourHour)
{
    if (m_minute == 0)
        m_minuteText = QStringLiteral("00");
    if (twentyFourHour) {
        m_hourText = QString::number(value == 24 ? 0 : value);
        m_designator.clear();
    } else {
        m_designator = value > 12 ? QStringLiteral("PM") : QStringLiteral("AM");
        m_hourText = QString::number(value > 12 ? value - 12 : value);
    }
    m_hourLabel = m_hourText + m_designator;
    compose();
}

void AlarmTimePicker::compose()
{
    m_timeLabel = m_hourText + u':' + m_minuteText;
    if (!m_designator.isEmpty())
        m_timeLabel += u' ' + m_designator;
}
