// The events calendar, the announcement at start-up, the type search and the missed events.
#include "clock/ClockPanel.h"
#include "reminders/EventsFixture.h"
#include "reminders/ReminderQueries.h"
#include "widgets/HintList.h"

namespace {

class EventsListing : public EventsFixture
{
};

TEST_F(EventsListing, StartupAnnouncesTodaysNotificationsWithTheNotifySound)
{
    seed("Dad's Birthday", "Birthday", "12/12/2026", "12/09/2026");
    seed("Dentist", "Appointment", "12/09/2026", "12/01/2026");
    loaded();
    EXPECT_EQ(listed(), QStringList({"Dad's Birthday"}));
    EXPECT_EQ(c().noEvents->text(), "1 Events Scheduled");
    EXPECT_TRUE(panelShown());
    EXPECT_EQ(notifyPlays(), 1);
    EXPECT_EQ(sound.plays.last().flags, quint32(Connectivity::Lan | Connectivity::Configured));
    EXPECT_TRUE(prompter.shown.isEmpty());
    EXPECT_FALSE(panel().announceMode());
    EXPECT_EQ(enabledButtons(), "AX"); // nothing selected yet
}

TEST_F(EventsListing, StartupWithNothingToAnnounceSaysSoWithoutPromptOrSound)
{
    seed("Dentist", "Appointment", "12/09/2026", "12/01/2026");
    loaded();
    EXPECT_EQ(c().noEvents->text(), "No Events for: 12/09/2026");
    EXPECT_FALSE(panelShown());
    EXPECT_TRUE(listed().isEmpty());
    EXPECT_EQ(notifyPlays(), 0);
    EXPECT_TRUE(prompter.shown.isEmpty());
}

TEST_F(EventsListing, ANewDayAnnouncesItsEventsWithoutAPrompt)
{
    seed("Party", "Occasion", "12/12/2026", "12/10/2026");
    clock.current = QDateTime(today, QTime(23, 59, 59));
    loaded();
    clock.advanceMs(2000);
    dashboard().clockPanel().onTimerClock2();
    EXPECT_EQ(listed(), QStringList({"Party"}));
    EXPECT_EQ(c().monthView1->selectedDate(), QDate(2026, 12, 10));
    EXPECT_EQ(notifyPlays(), 1);
    click(QDate(2026, 12, 10)); // the new day is the last clicked date
    EXPECT_TRUE(prompter.shown.isEmpty());
    EXPECT_EQ(notifyPlays(), 1);
}

TEST_F(EventsListing, SameDateIsIgnoredAfterStartupUntilAnotherDateWasClicked)
{
    seed("Dentist", "Appointment", "12/09/2026", "12/01/2026");
    loaded();
    click(today); // the last clicked date since start-up
    EXPECT_TRUE(prompter.shown.isEmpty());
    EXPECT_EQ(c().noEvents->text(), "No Events for: 12/09/2026");

    prompter.setNextAnswer(Prompter::Answer::No);
    click(QDate(2026, 12, 10));
    ASSERT_EQ(prompter.shown.size(), 1);
    EXPECT_EQ(prompter.shown[0].text, "No scheduled events.\r\nWould you like to add an Event?");
    EXPECT_EQ(prompter.shown[0].title, "No Events Scheduled");
    EXPECT_EQ(prompter.shown[0].buttons, Prompter::Buttons::YesNo);
    EXPECT_EQ(prompter.shown[0].icon, Prompter::Icon::None);
    EXPECT_EQ(c().noEvents->text(), "No Events for: 12/10/2026");
    EXPECT_FALSE(panelShown());
    click(QDate(2026, 12, 10)); // same date again: ignored
    EXPECT_EQ(prompter.shown.size(), 1);

    click(today); // by the event's own date now, not its notify date
    EXPECT_EQ(listed(), QStringList({"Dentist"}));
    EXPECT_EQ(c().noEvents->text(), "1 Events Scheduled");
    EXPECT_TRUE(panelShown());
    EXPECT_EQ(notifyPlays(), 1);
}

TEST_F(EventsListing, YesToTheEmptyDayShowsTheEmptyPanelWithTheListHint)
{
    loaded();
    prompter.setNextAnswer(Prompter::Answer::Yes);
    click(QDate(2026, 12, 24));
    EXPECT_TRUE(panelShown());
    EXPECT_TRUE(listed().isEmpty());
    EXPECT_EQ(tip(),
              "To add a new event, click the ADD EVENT button\r\n\r\nTo delete or edit an "
              "event hightlight the event then click the DELETE EVENT or EDIT EVENT "
              "button.");
    EXPECT_EQ(dashboard().tips().panel()->pos(), QPoint(twips(4425), twips(1125)));
    EXPECT_TRUE(dashboard().tips().panel()->isVisibleTo(&dashboard()));
    // The hint stands beside the panel, not over its boxes.
    EXPECT_LE(dashboard().tips().panel()->geometry().right(), c().panel->x());
}

TEST_F(EventsListing, TypeSearchListsOnlyThatTypeWithTheSound)
{
    seed("Mum", "Birthday", "03/02/2027", "03/01/2027");
    seed("Dentist", "Appointment", "12/20/2026", "12/19/2026");
    seed("Tom", "birthday", "05/02/2027", "05/01/2027"); // types match without regard to case
    loaded();
    c().calSearch->setCurrentText("Birthday");
    panel().onCboCALSearchClick();
    EXPECT_EQ(listed(), QStringList({"Mum", "Tom"}));
    EXPECT_EQ(c().noEvents->text(), "2 Events Scheduled");
    EXPECT_EQ(notifyPlays(), 1);
    EXPECT_TRUE(panelShown());

    c().calSearch->setCurrentText("Occasion"); // none: empty-day text, no prompt, no sound
    panel().onCboCALSearchClick();
    EXPECT_TRUE(listed().isEmpty());
    EXPECT_EQ(c().noEvents->text(), "No Events for: 12/09/2026");
    EXPECT_EQ(notifyPlays(), 1);
    EXPECT_TRUE(prompter.shown.isEmpty());
}

TEST_F(EventsListing, ViewAllListsEveryEventOrSaysThereIsNone)
{
    loaded();
    panel().onCmdViewAllEventsReleased(kPressPoint.x(), kPressPoint.y());
    EXPECT_TRUE(prompter.shown.isEmpty()); // nothing failed: the empty list says it
    EXPECT_TRUE(listed().isEmpty());
    EXPECT_EQ(find<HintList>("lstData")->hint(), "No Records Found");

    seed("Mum", "Birthday", "03/02/2027", "03/01/2027");
    seed("Dentist", "Appointment", "12/20/2026", "12/19/2026");
    panel().onCmdViewAllEventsReleased(127, 20); // the far corner is still inside
    EXPECT_EQ(listed(), QStringList({"Mum", "Dentist"}));
    EXPECT_TRUE(panelShown());
    panel().onCmdViewAllEventsReleased(128, 10); // on the edge: not inside
    EXPECT_TRUE(prompter.shown.isEmpty());
}

TEST_F(EventsListing, MissedEventsShowTheRowsAndSelectTheFirst)
{
    seed("Mum", "Birthday", "12/07/2026", "12/07/2026");
    seed("Dentist", "Appointment", "12/07/2026", "12/01/2026");
    loaded();
    ReminderDatabase &events = dashboard().reminders().stores().events();
    events.current = ReminderQueries::eventsByNotifyDate(events.store, "12/08/2026");
    panel().Missed_Events(); // no row: nothing happens
    EXPECT_FALSE(panelShown());
    EXPECT_EQ(notifyPlays("notify1.wav"), 0);

    events.current = ReminderQueries::eventsByDate(events.store, "12/07/2026");
    panel().Missed_Events();
    EXPECT_EQ(listed(), QStringList({"Mum", "Dentist"}));
    EXPECT_EQ(c().noEvents->text(), "2 Events Scheduled");
    EXPECT_TRUE(panelShown());
    EXPECT_EQ(notifyPlays("notify1.wav"), 1);
    EXPECT_EQ(c().list->currentRow(), 0);
    EXPECT_EQ(c().title->text(), "Mum");
    EXPECT_EQ(c().type->currentText(), "Birthday");
    EXPECT_EQ(enabledButtons(), "AEDX");
    // The tip panel comes up where the missed days are; the selection then sets its text.
    EXPECT_TRUE(dashboard().tips().panel()->isVisibleTo(&dashboard()));
    EXPECT_TRUE(tip().startsWith("By clicking the listbox"));
    EXPECT_EQ(dashboard().tips().panel()->pos(), QPoint(twips(3750), twips(6495)));
}

} // namespace
