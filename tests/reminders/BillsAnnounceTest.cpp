// Announcing bills: at start-up, at a new day, on a calendar click, and as the
// missed reminders of a day.
#include "BillsFixture.h"

#include "clock/ClockPanel.h"

#include "reminders/ReminderPanels.h"
#include "reminders/ReminderQueries.h"
#include "reminders/ReminderStores.h"

#include <QFile>

namespace {

class BillAnnounce : public BillsFixture
{
};

TEST_F(BillAnnounce, StartupListsOneTimeBillsBeforeMonthlyOnesWithOneSound)
{
    seed("Rent", "12/15/2026", "09", 0);          // monthly, on the 9th
    seed("Water", "12/12/2026", "12/09/2026", 1); // once, today
    seed("Gas", "12/20/2026", "12/10/2026", 1);   // once, tomorrow
    loaded();
    EXPECT_EQ(listed(), QStringList({"Water", "Rent"}));
    EXPECT_EQ(status(), "Bills Are DUE!");
    EXPECT_EQ(notifySounds(), 1);
    EXPECT_EQ(sound.plays.size(), 1);
    EXPECT_TRUE(panelShown());
    EXPECT_TRUE(prompter.shown.isEmpty()); // no empty-day prompt at start-up
    EXPECT_FALSE(bills().announceMode());
    EXPECT_EQ(ui().MonthViewBM->selectedDate(), QDate(2026, 12, 9));
    // The sounds carry the connectivity check's flags word.
    EXPECT_EQ(sound.plays[0].flags, dashboard().connectivity().flags);

    // Without a wave output there is no sound, and no beep in its place.
    sound.device = false;
    bills().setStartupDone(false);
    bills().dateStartup();
    EXPECT_EQ(sound.plays.size(), 1);
    EXPECT_EQ(sound.beeps, 0);
}

TEST_F(BillAnnounce, ANewDayAnnouncesItsBillsOnce)
{
    seed("Phone", "12/20/2026", "12/10/2026", 1);
    seed("Rent", "12/15/2026", "10", 0);
    loaded();
    EXPECT_EQ(status(), "No Bills Due");
    EXPECT_FALSE(panelShown());

    dashboard().clockPanel().onTimerClock2(); // same day: nothing
    EXPECT_EQ(notifySounds(), 0);

    clock.current = QDateTime(QDate(2026, 12, 10), QTime(0, 0, 1));
    dashboard().clockPanel().onTimerClock2();
    EXPECT_FALSE(bills().announceMode());
    EXPECT_TRUE(panelShown());
    EXPECT_EQ(listed(), QStringList({"Phone", "Rent"}));
    EXPECT_EQ(status(), "Bills Are DUE!");
    EXPECT_EQ(notifySounds(), 1);
    EXPECT_TRUE(prompter.shown.isEmpty());

    dashboard().clockPanel().onTimerClock2(); // announced once only
    EXPECT_EQ(notifySounds(), 1);
}

TEST_F(BillAnnounce, DayWithoutBillsAsksWhetherToAddOne)
{
    seed("Insurance", "12/20/2026", "12/18/2026", 1);
    loaded();
    prompter.setNextAnswer(Prompter::Answer::No);
    bills().onMonthViewBMDateClick(QDate(2026, 12, 21));
    ASSERT_EQ(prompter.shown.size(), 1);
    EXPECT_EQ(prompter.shown[0].text, "No scheduled Bills.\r\nWould you like to add a Bill?");
    EXPECT_EQ(prompter.shown[0].title, "No Bills Scheduled");
    EXPECT_EQ(prompter.shown[0].buttons, Prompter::Buttons::YesNo);
    EXPECT_EQ(prompter.shown[0].icon, Prompter::Icon::None);
    EXPECT_EQ(status(), "No Bills Due");
    EXPECT_FALSE(panelShown());

    prompter.setNextAnswer(Prompter::Answer::Yes);
    bills().onMonthViewBMDateClick(QDate(2026, 12, 22));
    EXPECT_TRUE(panelShown());
    EXPECT_TRUE(tip().startsWith("To add a new bill, click the ADD NEW BILL button\r\n\r\n"));
    EXPECT_FALSE(ui().cmdEditBill->isEnabled());

    // A day with a bill due lists it; the same date clicked again is ignored.
    ui().MonthViewBM->setSelectedDate(QDate(2026, 12, 20));
    bills().onMonthViewBMDateClick(QDate(2026, 12, 20));
    EXPECT_EQ(listed(), QStringList({"Insurance"}));
    EXPECT_EQ(status(), "1 Bill(s) Due");
    EXPECT_EQ(bills().selectedDate(), QDate(2026, 12, 20));
    ui().lstBillMinder->clear();
    bills().onMonthViewBMDateClick(QDate(2026, 12, 20));
    EXPECT_TRUE(listed().isEmpty());
    // "Add New Bill" presets the due box with the clicked date.
    bills().onCmdAddNewBillReleased(10, 10);
    EXPECT_EQ(ui().txtBMDueDate->text(), "12/20/2026");
}

TEST_F(BillAnnounce, MissedBillsShowTheRowsAndSelectTheFirst)
{
    seed("Rent", "12/15/2026", "05", 0);
    seed("Phone", "12/25/2026", "05", 1);
    loaded();
    ReminderDatabase &db = dashboard().findChild<ReminderPanels *>()->stores().bills();
    db.current = ReminderQueries::billsByNotifyDate(db.store, "17");
    bills().Missed_Bills(); // no row: nothing
    EXPECT_FALSE(panelShown());
    EXPECT_TRUE(sound.plays.isEmpty());

    db.current = ReminderQueries::billsByNotifyDate(db.store, "05");
    bills().Missed_Bills();
    EXPECT_TRUE(panelShown());
    EXPECT_EQ(listed(), QStringList({"Rent", "Phone"}));
    EXPECT_EQ(status(), "2 Bill(s) Due");
    EXPECT_EQ(ui().lstBillMinder->currentRow(), 0);
    EXPECT_EQ(ui().txtBMPayee->text(), "Rent");
    EXPECT_EQ(ui().txtBMNDate->text(), "05");
    EXPECT_TRUE(ui().optEveryMonth[BillRules::EveryMonth]->isChecked());
    EXPECT_TRUE(ui().cmdEditBill->isEnabled());
    EXPECT_TRUE(ui().cmdDeleteBill->isEnabled());
    EXPECT_TRUE(bills().oneTimeBillsFound());
    ASSERT_EQ(sound.plays.size(), 1);
    EXPECT_TRUE(sound.plays[0].path.endsWith("Sounds/notify1.wav"));
    EXPECT_TRUE(tip().startsWith("Orvane has checked the days"));
}

TEST_F(BillAnnounce, FailedReopenAtANewDayLeavesAnnounceModeSoClicksListByDueDate)
{
    seed("Rent", "12/20/2026", "10", 0); // due on the 20th, notified on the 10th
    loaded();
    QFile::remove(appPath("Bills.mdb"));
    clock.current = QDateTime(QDate(2026, 12, 10), QTime(0, 0, 1));
    dashboard().onDayChanged(QDate(2026, 12, 10));
    ASSERT_FALSE(prompter.shown.isEmpty()); // the reopen failed and was reported
    EXPECT_FALSE(bills().announceMode());
    ui().MonthViewBM->setSelectedDate(QDate(2026, 12, 20));
    bills().onMonthViewBMDateClick(QDate(2026, 12, 20));
    EXPECT_EQ(listed(), QStringList({"Rent"}));
}

} // namespace
