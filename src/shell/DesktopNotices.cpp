#include "shell/DesktopNotices.h"

#include "clock/AlarmRinging.h"
#include "clock/AlarmSettings.h"
#include "common/TextValues.h"
#include "platform/Notifier.h"
#include "platform/SettingsStore.h"
#include "reminders/ReminderDigest.h"
#include "widgets/ReleaseRule.h"

#include <QAction>

namespace {

const QString kSection = QStringLiteral("System");
const QString kKey = QStringLiteral("Notify");

QString counted(qsizetype n, const char *one, const char *many)
{
    return QStringLiteral("%1 %2").arg(n).arg(QLatin1String(n == 1 ? one : many));
}

} // namespace

DesktopNotices::DesktopNotices(Services &services, QAction *menuSwitch, AlarmRinging &ringing,
                               QObject *parent)
    : QObject(parent)
    , m_services(services)
    , m_switch(menuSwitch)
    , m_ringing(ringing)
{
    connect(m_switch, &QAction::triggered, this, &DesktopNotices::onMnuDesktopNotificationsClick);
    connect(&ringing, &AlarmRinging::rang, this, &DesktopNotices::onAlarmRang);
    connect(&ringing, &AlarmRinging::quieted, this, &DesktopNotices::onAlarmQuieted);
    connect(&services.notifier, &Notifier::actionInvoked, this, &DesktopNotices::onActionInvoked);
}

void DesktopNotices::load()
{
    m_switch->setChecked(enabled());
}

bool DesktopNotices::enabled() const
{
    return textToBool(m_services.settings.getSetting(kSection, kKey)).value_or(true);
}

void DesktopNotices::onMnuDesktopNotificationsClick()
{
    const bool on = !enabled();
    m_services.settings.saveSetting(kSection, kKey, boolToText(on));
    m_switch->setChecked(on);
    if (!on) {
        for (const QString &tag : {kAlarmTag, kRemindersTag, kMissedTag, kMissedAlarmsTag})
            m_services.notifier.withdraw(tag);
    }
}

void DesktopNotices::announceDay(ReminderStores &stores, const QDate &day)
{
    if (!enabled())
        return;
    const ReminderDigest::Day due = ReminderDigest::dueOn(stores, day);
    if (due.isEmpty())
        return;
    QStringList summary, body;
    if (!due.bills.isEmpty()) {
        summary << counted(due.bills.size(), "bill", "bills");
        body << QStringLiteral("Bills: ") + due.bills.join(QStringLiteral(", "));
    }
    if (!due.events.isEmpty()) {
        summary << counted(due.events.size(), "event", "events");
        body << QStringLiteral("Events: ") + due.events.join(QStringLiteral(", "));
    }
    send(kRemindersTag, QStringLiteral("Today: ") + summary.join(QStringLiteral(" and ")),
         body.join(u'\n'));
}

void DesktopNotices::announceMissedDays(const QStringList &days)
{
    if (!enabled() || days.isEmpty())
        return;
    send(kMissedTag, counted(days.size(), "missed day", "missed days"),
         QStringLiteral("Reminders of %1 are listed on the dashboard.")
             .arg(days.join(QStringLiteral(", "))));
}

void DesktopNotices::announceMissedAlarms(const QStringList &reports)
{
    if (!enabled() || reports.isEmpty())
        return;
    send(kMissedAlarmsTag, counted(reports.size(), "missed alarm", "missed alarms"),
         reports.join(u'\n'));
}

void DesktopNotices::onAlarmRang(int slot, const QString &title, const QDateTime &at)
{
    if (!enabled())
        return;
    const QString name = QStringLiteral("Alarm %1").arg(slot);
    send(kAlarmTag, title.trimmed().isEmpty() ? name : title.trimmed(),
         QStringLiteral("%1 at %2").arg(name, AlarmSettings::timeText(at.time())), true);
}

void DesktopNotices::onAlarmQuieted()
{
    m_services.notifier.withdraw(kAlarmTag);
}

void DesktopNotices::onActionInvoked(const QString &tag, const QString &key)
{
    // A late choice, after the alarm stopped by itself, has nothing left to act on.
    if (tag != kAlarmTag || !m_ringing.ringing())
        return;
    if (key == QLatin1String("snooze"))
        m_ringing.onImgAlarmSnoozeReleased(kPressPoint.x(), kPressPoint.y());
    else if (key == QLatin1String("stop"))
        m_ringing.onImgAlarmStopReleased(kPressPoint.x(), kPressPoint.y());
}

void DesktopNotices::send(const QString &tag, const QString &summary, const QString &body,
                          bool withAlarmActions)
{
    Notifier::Notice notice{tag, summary, body, {}, withAlarmActions};
    if (withAlarmActions)
        notice.actions = {{QStringLiteral("snooze"), QStringLiteral("Snooze")},
                          {QStringLiteral("stop"), QStringLiteral("Stop")}};
    m_services.notifier.notify(notice);
}
