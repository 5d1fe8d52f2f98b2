// The missed-days check: which days are listed, when the panel shows, what "LastUsed" holds.
#include "reminders/MissedDays.h"
#include "clock/ClockPanel.h"
#include "common/DateText.h"
#include "reminders/MissedDayList.h"
#include "reminders/ReminderPanels.h"
#include "support/DashboardFixture.h"

#include <QFrame>
#include <QListWidget>

namespace {

const QDate kToday(2026, 12, 9);

QStringList entries(const QListWidget *list)
{
    QStringList texts;
    for (int i = 0; i < list->count(); ++i)
        texts.append(list->item(i)->text());
    return texts;
}

TEST(MissedDayList, ListsTheDaysStrictlyBetweenNewestFirst)
{
    EXPECT_EQ(MissedDayList::between("12/06/2026", kToday),
              QStringList({"12/08/2026", "12/07/2026"}));
    EXPECT_EQ(MissedDayList::between(" 12/06/2026 ", kToday).size(), 2);
    // Across a year end and a leap day.
    EXPECT_EQ(MissedDayList::between("02/27/2024", QDate(2024, 3, 1)),
              QStringList({"02/29/2024", "02/28/2024"}));
}

TEST(MissedDayList, ListsNothingForUnusableRecentOrFutureLastRuns)
{
    for (const char *text : {"1", "", "yesterday", "13/45/2026", "12/9/2026", "12/09/2026",
                             "12/08/2026", "12/10/2026", "01/01/2100"})
        EXPECT_TRUE(MissedDayList::between(text, kToday).isEmpty()) << text;
}

TEST(MissedDayList, GapBeyondTheSixteenBitDayCountListsNothing)
{
    EXPECT_TRUE(MissedDayList::between("01/01/1900", kToday).isEmpty());
    const QDate last = kToday.addDays(-32767);
    const QStringList days = MissedDayList::between(DateText::toText(last), kToday);
    EXPECT_EQ(days.size(), 32766);
    EXPECT_EQ(days.last(), DateText::toText(last.addDays(1)));
    EXPECT_TRUE(MissedDayList::between(DateText::toText(last.addDays(-1)), kToday).isEmpty());
}

class MissedDaysPanel : public DashboardFixture
{
protected:
    QFrame *warning() { return find<QFrame>("picWarning"); }
    QListWidget *list() { return find<QListWidget>("List1"); }
};

TEST_F(MissedDaysPanel, FirstRunShowsNothingAndStoresToday)
{
    loaded();
    EXPECT_FALSE(warning()->isVisibleTo(&dashboard()));
    EXPECT_EQ(list()->count(), 0);
    EXPECT_EQ(setting("system", "LastUsed"), "12/09/2026");
}

TEST_F(MissedDaysPanel, ThreeDaysAgoListsYesterdayThenTheDayBefore)
{
    setSetting("system", "LastUsed", "12/06/2026");
    loaded();
    EXPECT_TRUE(warning()->isVisibleTo(&dashboard()));
    EXPECT_EQ(entries(list()), QStringList({"12/08/2026", "12/07/2026"}));
    EXPECT_EQ(setting("system", "LastUsed"), "12/09/2026");
}

TEST_F(MissedDaysPanel, YesterdayTodayOrALaterDayShowNothing)
{
    for (const char *last : {"12/08/2026", "12/09/2026", "12/31/2026", "garbage"}) {
        setSetting("system", "LastUsed", last);
        dashboard().reminders().missedDays().check();
        EXPECT_FALSE(warning()->isVisibleTo(&dashboard())) << last;
        EXPECT_EQ(list()->count(), 0) << last;
        EXPECT_EQ(setting("system", "LastUsed"), "12/09/2026") << last;
    }
}

TEST_F(MissedDaysPanel, MidnightAddsOnlySkippedDaysToTheEndOfTheList)
{
    setSetting("system", "LastUsed", "12/07/2026");
    clock.current = QDateTime(kToday, QTime(23, 59, 59));
    loaded();
    ASSERT_EQ(entries(list()), QStringList({"12/08/2026"}));
    warning()->hide();

    clock.advanceMs(2000); // one day on: nothing missed
    dashboard().clockPanel().onTimerClock2();
    EXPECT_FALSE(warning()->isVisibleTo(&dashboard()));
    EXPECT_EQ(setting("system", "LastUsed"), "12/10/2026");

    clock.current = clock.current.addDays(3); // the machine slept three days
    dashboard().clockPanel().onTimerClock2();
    EXPECT_TRUE(warning()->isVisibleTo(&dashboard()));
    EXPECT_EQ(entries(list()), QStringList({"12/08/2026", "12/12/2026", "12/11/2026"}));
    EXPECT_EQ(setting("system", "LastUsed"), "12/13/2026");
}

} // namespace
