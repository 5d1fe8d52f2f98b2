// Clicking a date of the missed-days list shows the bills and events that fell on it.
#include "BillsFixture.h"
#include "reminders/EventControls.h"
#include "reminders/EventsPanel.h"
#include "reminders/MissedDays.h"
#include "reminders/ReminderPanels.h"

namespace {

class MissedDaysClick : public BillsFixture
{
protected:
    void seedEvent(const QString &title, const QString &date, const QString &notify)
    {
        RecordStore store;
        store.open(appPath("Events.mdb"));
        Recordset rows = store.openTable("Events");
        addEvent(rows, title, "Birthday", date, notify);
    }
    MissedDays &missed() { return dashboard().reminders().missedDays(); }
    const EventControls &events() { return dashboard().reminders().events().controls(); }
    void clickDate(const QString &date)
    {
        const auto found = missed().list()->findItems(date, Qt::MatchExactly);
        ASSERT_EQ(found.size(), 1) << qPrintable(date);
        missed().list()->setCurrentItem(found.first());
        missed().onList1Click();
    }
    int missedSounds()
    {
        int count = 0;
        for (const auto &play : sound.plays)
            count += play.path.endsWith("notify1.wav");
        return count;
    }
};

TEST_F(MissedDaysClick, MonthlyBillAndNotifiedEventOfTheDayAreShownWithTheMissedSound)
{
    seed("Rent", "12/31/2026", "07", 0);
    seed("Water Co", "12/20/2026", "12/01/2026", 1);
    seedEvent("Dad's Birthday", "12/10/2026", "12/07/2026");
    setSetting("system", "LastUsed", "12/05/2026");
    loaded();
    sound.plays.clear();

    clickDate("12/07/2026");
    EXPECT_EQ(listed(), QStringList({"Rent"}));
    EXPECT_TRUE(panelShown());
    EXPECT_EQ(ui().txtBMPayee->text(), "Rent");
    EXPECT_EQ(ui().lstBillMinder->currentRow(), 0);
    ASSERT_EQ(events().list->count(), 1);
    EXPECT_EQ(events().list->item(0)->text(), "Dad's Birthday");
    EXPECT_FALSE(events().panel->isHidden());
    EXPECT_EQ(events().title->text(), "Dad's Birthday");
    EXPECT_GE(missedSounds(), 1);
}

TEST_F(MissedDaysClick, DateWithNothingChangesNothing)
{
    seed("Rent", "12/31/2026", "07", 0);
    setSetting("system", "LastUsed", "12/05/2026");
    loaded();
    sound.plays.clear();
    const QStringList before = listed();
    const int shownBefore = prompter.shown.size();

    clickDate("12/06/2026");
    EXPECT_EQ(listed(), before);
    EXPECT_FALSE(panelShown());
    EXPECT_TRUE(events().panel->isHidden());
    EXPECT_TRUE(sound.plays.isEmpty());
    EXPECT_EQ(prompter.shown.size(), shownBefore);
}

} // namespace
