// Adding, changing and deleting events through the entry panel, and its guided steps.
#include "reminders/BillsPanel.h"
#include "reminders/EventsFixture.h"
#include "support/Unprivileged.h"

namespace {

class EventsEntry : public EventsFixture
{
protected:
    void press(void (EventsPanel::*handler)(int, int))
    {
        (panel().*handler)(kPressPoint.x(), kPressPoint.y());
    }
    // The guided steps of a new event, as a user takes them.
    void enterNotifyDate(const QDate &date)
    {
        panel().guide().onTxtNotifyDateClick();
        c().monthView2->setSelectedDate(date);
        panel().guide().onMonthView2DateClick(date);
        panel().guide().onCmdSetEventDateReleased(kPressPoint.x(), kPressPoint.y());
    }
};

TEST_F(EventsEntry, AddEventPresetsTheLastClickedDateAndGuidesEachStep)
{
    loaded();
    press(&EventsPanel::onCmdAddEventReleased);
    EXPECT_EQ(c().date->text(), "12/09/2026"); // nothing clicked yet: today
    press(&EventsPanel::onCmdCancelEventReleased);
    prompter.setNextAnswer(Prompter::Answer::Yes);
    click(QDate(2026, 12, 15));
    press(&EventsPanel::onCmdAddEventReleased);
    EXPECT_EQ(c().date->text(), "12/15/2026");
    EXPECT_FALSE(c().title->isReadOnly());
    EXPECT_FALSE(c().type->isLocked());
    EXPECT_EQ(enabledButtons(), "SC");
    EXPECT_TRUE(panel().adding());
    EXPECT_EQ(tip(),
              "The date is automatically entered.  You can change this if you wish. Now "
              "click the Notify Date box and a calendar will pop up");

    const QString suffix = "\r\n\r\nClick CANCEL to stop";
    clock.current = QDateTime(QDate(2026, 12, 10), QTime(8, 0));
    panel().guide().onTxtNotifyDateClick();
    EXPECT_TRUE(c().picCal->isVisibleTo(&dashboard()));
    EXPECT_EQ(c().monthView2->selectedDate(), QDate(2026, 12, 10));
    EXPECT_EQ(tip(),
              "Click a calendar date to be notified on then click the SET DATE button" + suffix);
    c().monthView2->setSelectedDate(QDate(2026, 12, 14));
    panel().guide().onMonthView2DateClick(QDate(2026, 12, 14));
    EXPECT_EQ(c().notify->text(), "12/14/2026");
    panel().guide().onCmdSetEventDateReleased(kPressPoint.x(), kPressPoint.y());
    EXPECT_FALSE(c().picCal->isVisibleTo(&dashboard()));
    EXPECT_EQ(tip(), "Now select a TYPE.  This can be a birthday, anniversary, etc." + suffix);
    panel().guide().onCboEventTypeClick();
    EXPECT_TRUE(tip().startsWith("Great! Now enter a Title.") && tip().endsWith(suffix));
    panel().guide().onTxtEventTitleClick();
    EXPECT_TRUE(tip().startsWith("Now enter a message.") && tip().endsWith(suffix));
    panel().guide().onTxtEventMsgClick();
    EXPECT_EQ(tip(), "THAT'S IT!  Click the SAVE EVENT button and you are finished!!!" + suffix);
}

TEST_F(EventsEntry, RefusedSaveKeepsTheEntryOpenAndStoresNothing)
{
    loaded();
    press(&EventsPanel::onCmdAddEventReleased);
    enterNotifyDate(QDate(2026, 12, 14));
    fill("Birthday", "Dad's Birthday", "", "12/14/2026");
    const QString tipBefore = tip();
    press(&EventsPanel::onCmdSaveEventReleased);
    ASSERT_EQ(prompter.shown.size(), 1);
    EXPECT_EQ(prompter.shown[0].text, "All Fields Must Contain Data");
    EXPECT_EQ(prompter.shown[0].title, "Error");
    EXPECT_EQ(prompter.shown[0].icon, Prompter::Icon::Critical);
    EXPECT_TRUE(stored().isEmpty());
    EXPECT_EQ(enabledButtons(), "SC");
    EXPECT_EQ(tip(), tipBefore);
    EXPECT_EQ(c().title->text(), "Dad's Birthday");
    EXPECT_FALSE(c().msg->isReadOnly());
    EXPECT_TRUE(panel().adding());

    c().msg->setText("Call him");
    press(&EventsPanel::onCmdSaveEventReleased);
    EXPECT_EQ(stored(), QStringList({"Dad's Birthday|Birthday|Call him|12/09/2026|12/14/2026"}));
    EXPECT_TRUE(tip().startsWith("Event is saved!\r\nTo add a new event click the ADD EVENT"));
    EXPECT_TRUE(c().title->isReadOnly());
    EXPECT_TRUE(c().title->text().isEmpty());
    EXPECT_EQ(listed(), QStringList({"Dad's Birthday"}));
    // The fill left no current row: nothing to edit or delete until one is selected.
    EXPECT_EQ(enabledButtons(), "AX");
}

TEST_F(EventsEntry, WriteProtectedFileWarnsAtStartAndEachRefusedSaveSaysSo)
{
    if (rerunAsNobody())
        return;
    const QString path = appPath("Events.mdb");
    ASSERT_TRUE(QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::ReadOther));
    loaded();
    ASSERT_EQ(prompter.shown.size(), 1);
    EXPECT_EQ(prompter.shown[0].icon, Prompter::Icon::Warning);
    EXPECT_EQ(prompter.shown[0].text,
              QStringLiteral("The database file '%1' is write-protected: changes cannot be saved "
                             "(3027)")
                  .arg(path));
    dashboard().reminders().dayChanged(); // opened again: told once a run
    EXPECT_EQ(prompter.shown.size(), 1);

    press(&EventsPanel::onCmdAddEventReleased);
    enterNotifyDate(QDate(2026, 12, 14));
    fill("Birthday", "Dad's Birthday", "Call him", "12/14/2026");
    for (int attempt = 1; attempt <= 2; ++attempt) {
        press(&EventsPanel::onCmdSaveEventReleased);
        ASSERT_EQ(prompter.shown.size(), 1 + attempt);
        const QString refusal = prompter.shown.last().text;
        EXPECT_TRUE(refusal.contains(path + "' is write-protected") && refusal.endsWith("(3027)"))
            << refusal.toStdString();
        EXPECT_TRUE(panel().adding()); // the entry stays open to try again
    }
    EXPECT_TRUE(stored().isEmpty());
}

TEST_F(EventsEntry, ApostropheTitleIsSelectedEditedAndDeleted)
{
    seed("Dad's Birthday", "Birthday", "12/12/2026", "12/09/2026");
    seed("Mum's Day", "Occasion", "12/12/2026", "12/10/2026");
    loaded();
    select("Dad's Birthday");
    EXPECT_EQ(c().title->text(), "Dad's Birthday");
    EXPECT_EQ(c().msg->text(), "message of Dad's Birthday");
    EXPECT_EQ(c().notify->text(), "12/09/2026");
    EXPECT_TRUE(c().title->isReadOnly());
    EXPECT_EQ(enabledButtons(), "AEDX");
    EXPECT_TRUE(tip().startsWith("By clicking the listbox you can view, delete or edit"));

    press(&EventsPanel::onCmdEditEventReleased);
    EXPECT_FALSE(c().title->isReadOnly());
    EXPECT_EQ(c().title->text(), "Dad's Birthday"); // kept for changing
    EXPECT_EQ(enabledButtons(), "SC");
    c().msg->setText("Buy a card");
    press(&EventsPanel::onCmdSaveEventReleased);
    EXPECT_EQ(stored().first(), "Dad's Birthday|Birthday|Buy a card|12/12/2026|12/09/2026");
    EXPECT_EQ(listed(), QStringList({"Dad's Birthday", "Mum's Day"}));

    select("Dad's Birthday");
    prompter.setNextAnswer(Prompter::Answer::No);
    press(&EventsPanel::onCmdDeleteEventReleased);
    EXPECT_EQ(prompter.shown.last().text, "Are You Sure You Want To Delete This Record");
    EXPECT_EQ(prompter.shown.last().title, "Delete Record");
    EXPECT_EQ(stored().size(), 2);
    EXPECT_TRUE(c().remove->isEnabled());

    prompter.setNextAnswer(Prompter::Answer::Yes);
    press(&EventsPanel::onCmdDeleteEventReleased);
    EXPECT_EQ(stored(),
              QStringList({"Mum's Day|Occasion|message of Mum's Day|12/12/2026|12/10/2026"}));
    EXPECT_EQ(listed(), QStringList({"Mum's Day"}));
    EXPECT_EQ(enabledButtons(), "AX");
}

TEST_F(EventsEntry, EditOrDeleteWithoutACurrentRowAsksForASelection)
{
    seed("Dentist", "Appointment", "12/09/2026", "12/09/2026");
    loaded();
    select("Dentist");
    click(QDate(2026, 12, 1)); // a new listing: the selected row is no longer current
    prompter.shown.clear();
    EXPECT_FALSE(c().edit->isEnabled());
    EXPECT_FALSE(c().remove->isEnabled());

    press(&EventsPanel::onCmdDeleteEventReleased);
    press(&EventsPanel::onCmdEditEventReleased);
    ASSERT_EQ(prompter.shown.size(), 2);
    EXPECT_EQ(prompter.shown[0].text, "Please select an event in the list first.");
    EXPECT_EQ(stored().size(), 1);
    EXPECT_FALSE(panel().editing());

    // An edit whose row went away meanwhile is refused the same way, entry kept open.
    prompter.setNextAnswer(Prompter::Answer::No);
    click(QDate(2026, 12, 9));
    select("Dentist");
    press(&EventsPanel::onCmdEditEventReleased);
    click(QDate(2026, 12, 2));
    c().type->setEditText("Appointment");
    c().title->setText("Dentist");
    c().msg->setText("changed");
    c().date->setText("12/09/2026");
    c().notify->setText("12/09/2026");
    prompter.shown.clear();
    press(&EventsPanel::onCmdSaveEventReleased);
    ASSERT_EQ(prompter.shown.size(), 1);
    EXPECT_EQ(prompter.shown[0].text, "Please select an event in the list first.");
    EXPECT_EQ(stored().first().section('|', 2, 2), "message of Dentist");
    EXPECT_TRUE(c().save->isEnabled());
}

TEST_F(EventsEntry, AddCancelSelectEditChangesThatEventAndAddsNone)
{
    seed("Dentist", "Appointment", "12/09/2026", "12/09/2026");
    loaded();
    press(&EventsPanel::onCmdAddEventReleased);
    fill("Occasion", "Party", "Bring cake", "12/20/2026");
    press(&EventsPanel::onCmdCancelEventReleased);
    EXPECT_EQ(enabledButtons(), "AX");
    EXPECT_TRUE(c().title->isReadOnly());
    EXPECT_TRUE(c().title->text().isEmpty());
    EXPECT_EQ(listed(), QStringList({"Dentist"})); // the whole table after a cancel
    EXPECT_TRUE(tip().startsWith("You have choosen to cancel the event."));

    select("Dentist");
    press(&EventsPanel::onCmdEditEventReleased);
    c().title->setText("Dentist at 10");
    press(&EventsPanel::onCmdSaveEventReleased);
    EXPECT_EQ(stored(),
              QStringList({"Dentist at 10|Appointment|message of Dentist|12/09/2026|12/09/2026"}));
    EXPECT_TRUE(prompter.shown.isEmpty());
}

TEST_F(EventsEntry, CloseEndsABillEntryHidesThePanelAndMovesItOutOfTheCalendarsWay)
{
    seed("Dentist", "Appointment", "12/09/2026", "12/09/2026");
    loaded();
    EXPECT_EQ(c().panel->pos(), QPoint(twips(7230), twips(270)));
    BillsPanel &bills = dashboard().reminders().bills();
    bills.onCmdAddNewBillReleased(kPressPoint.x(), kPressPoint.y());
    ASSERT_EQ(bills.billMode(), "AddNew");
    press(&EventsPanel::onCmdCloseEventsReleased);
    EXPECT_EQ(bills.billMode(), "None");
    EXPECT_FALSE(panelShown());
    EXPECT_FALSE(dashboard().tips().panel()->isVisibleTo(&dashboard()));
    EXPECT_EQ(c().panel->pos(), QPoint(twips(180), twips(60)));
    // Entry limits of the boxes.
    EXPECT_EQ(c().title->maxLength(), 30);
    EXPECT_EQ(c().msg->maxLength(), 100);
    EXPECT_EQ(c().date->maxLength(), 10);
    EXPECT_EQ(c().notify->maxLength(), 10);
}

} // namespace
