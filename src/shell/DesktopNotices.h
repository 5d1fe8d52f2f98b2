#pragma once

#include "platform/Services.h"

#include <QDate>
#include <QObject>
#include <QStringList>

class AlarmRinging;
class QAction;
class ReminderStores;

// The desktop notifications of the dashboard: a ringing alarm (with Snooze and Stop), the
// day's bills and events at start-up and at midnight, and the days missed found at start-up.
// They add a way to see these while the window is hidden; the dashboard shows them as before.
// The "File" menu switch turns them off ("System"/"Notify", on unless stored off).
class DesktopNotices : public QObject
{
    Q_OBJECT
public:
    static inline const QString kAlarmTag = QStringLiteral("alarm");
    static inline const QString kRemindersTag = QStringLiteral("reminders");
    static inline const QString kMissedTag = QStringLiteral("missed");
    static inline const QString kMissedAlarmsTag = QStringLiteral("missed-alarms");

    DesktopNotices(Services &services, QAction *menuSwitch, AlarmRinging &ringing,
                   QObject *parent = nullptr);

    // Load: the menu switch from the settings.
    void load();
    bool enabled() const;
    void onMnuDesktopNotificationsClick();

    void announceDay(ReminderStores &stores, const QDate &day);
    void announceMissedDays(const QStringList &days);
    // Alarms that will not ring now: no Snooze or Stop, the alarm is over.
    void announceMissedAlarms(const QStringList &reports);

    void onAlarmRang(int slot, const QString &title, const QDateTime &at);
    void onAlarmQuieted();
    void onActionInvoked(const QString &tag, const QString &key);

private:
    void send(const QString &tag, const QString &summary, const QString &body,
              bool withAlarmActions = false);

    Services &m_services;
    QAction *m_switch;
    AlarmRinging &m_ringing;
};
