#include "clock/AlarmPanel.h"

#include "platform/SettingsStore.h"

#include <QWidget>

AlarmPanel::AlarmPanel(Services &services, QWidget *surface, TipPanel &tips)
    : QObject(surface)
    , m_services(services)
    , m_surface(surface)
    , m_tips(tips)
{
}

void AlarmPanel::resetAtLoad()
{
    // Filled by the alarm issue: TimerSnooze off, snoozed flag false, sound silent.
}

void AlarmPanel::load()
{
    // Filled by the alarm issue.
}

void AlarmPanel::silenceOnExit()
{
    // Filled by the alarm issue.
}

QString AlarmPanel::alarmSource()
{
    const QString stored = m_services.settings.getSetting(QStringLiteral("Clock"),
                                                          QStringLiteral("AlarmType"),
                                                          QStringLiteral("1"));
    if (stored == QLatin1String("MP3") || stored == QLatin1String("CD"))
        return stored;
    return QStringLiteral("Alarm");
}
