#include "shell/DesktopNotices.h"
#include "clock/AlarmFixture.h"
#include "reminders/ReminderPanels.h"

#include <QAction>

namespace {

using Notices = AlarmFixture;
const QString kAlarm = DesktopNotices::kAlarmTag;

QAction *menuSwitch(Dashboard &d)
{
    return d.findChild<QAction *>(QStringLiteral("mnuDesktopNotifications"));
}

void addRow(ReminderDatabase &db, const QList<std::pair<QString, QString>> &fields)
{
    ASSERT_TRUE(db.current.addNew());
    for (const auto &[name, value] : fields)
        ASSERT_TRUE(db.current.setField(name, value));
    ASSERT_TRUE(db.current.update());
}

} // namespace

TEST_F(Notices, ARingingAlarmIsAnnouncedAndItsActionsSnoozeAndStopIt)
{
    setSlot(3, "7:30:00 AM", "on");
    setSetting("Clock", "A3Title", "Dentist");
    setSetting("Clock", "Snooze", "5");
    loaded();
    EXPECT_TRUE(menuSwitch(dashboard())->isChecked()); // on unless switched off
    check();
    const FakeNotifier &sent = fakes.notifier;
    ASSERT_EQ(sent.sent.size(), 1);
    const Notifier::Notice &notice = sent.sent.first();
    EXPECT_EQ(notice.tag, kAlarm);
    EXPECT_EQ(notice.summary, "Dentist");
    EXPECT_EQ(notice.body, "Alarm 3 at 7:30:00 AM");
    EXPECT_TRUE(notice.urgent);
    ASSERT_EQ(notice.actions.size(), 2);
    EXPECT_EQ(notice.actions[0].key, "snooze");
    EXPECT_EQ(notice.actions[1].label, "Stop");

    Q_EMIT fakes.notifier.actionInvoked(kAlarm, "snooze");
    EXPECT_TRUE(ringing().snoozed());
    EXPECT_EQ(text("lblSnooze2"), "New Time: 7:35:00 AM");
    EXPECT_EQ(sent.withdrawn, QStringList{kAlarm});

    // The new time rings again and says so; "stop" then ends it.
    clock.current = QDateTime(QDate(2026, 12, 9), QTime(7, 35));
    ringing().onTimerSnooze();
    ASSERT_EQ(sent.sent.size(), 2);
    EXPECT_EQ(sent.sent.last().body, "Alarm 3 at 7:35:00 AM");
    Q_EMIT fakes.notifier.actionInvoked(kAlarm, "stop");
    EXPECT_FALSE(ringing().ringing());
    EXPECT_FALSE(ringingShown());
    // A choice arriving after the alarm ended does nothing.
    Q_EMIT fakes.notifier.actionInvoked(kAlarm, "snooze");
    EXPECT_FALSE(ringing().snoozed());
}

TEST_F(Notices, TheMenuSwitchTurnsThemOffAndIsRemembered)
{
    setSlot(1, "7:30:00 AM", "on");
    loaded();
    menuSwitch(dashboard())->trigger();
    EXPECT_FALSE(menuSwitch(dashboard())->isChecked());
    EXPECT_EQ(setting("System", "Notify"), "False");
    check();
    EXPECT_TRUE(ringingShown()); // the dashboard rings as ever
    EXPECT_TRUE(fakes.notifier.sent.isEmpty());
}

TEST_F(Notices, TheDaysRemindersAndMissedDaysAreAnnouncedAtStartAndMidnight)
{
    setSetting("System", "LastUsed", "12/06/2026");
    loaded();
    const Notifier::Notice *missed = fakes.notifier.last(DesktopNotices::kMissedTag);
    ASSERT_NE(missed, nullptr);
    EXPECT_EQ(missed->summary, "2 missed days");
    EXPECT_TRUE(missed->body.contains("12/08/2026, 12/07/2026")) << missed->body.toStdString();
    EXPECT_EQ(fakes.notifier.last(DesktopNotices::kRemindersTag), nullptr); // nothing due today

    ReminderStores &stores = dashboard().reminders().stores();
    addRow(stores.bills(), {{"Payee", "Rent"}, {"NDate", "12/10/2026"}, {"DueDate", "12/15/2026"}});
    addRow(stores.bills(), {{"Payee", "Phone"}, {"NDate", "10"}, {"DueDate", "20"}});
    addRow(stores.bills(), {{"Payee", "Water"}, {"NDate", "12/11/2026"}});
    addRow(stores.events(), {{"Title", "Mom's Birthday"}, {"NotifyDate", "12/10/2026"}});
    const qsizetype before = fakes.notifier.sent.size();

    clock.current = QDateTime(QDate(2026, 12, 10), QTime(0, 0, 1));
    dashboard().onDayChanged(QDate(2026, 12, 10));
    const Notifier::Notice *today = fakes.notifier.last(DesktopNotices::kRemindersTag);
    ASSERT_NE(today, nullptr);
    EXPECT_EQ(today->summary, "Today: 2 bills and 1 event");
    EXPECT_EQ(today->body, "Bills: Rent, Phone\nEvents: Mom's Birthday");
    EXPECT_EQ(fakes.notifier.sent.size(), before + 1); // no missed days at midnight
}
