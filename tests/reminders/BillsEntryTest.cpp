// Entering, changing and deleting bills through the bills panel, and what a save refuses.
#include "BillsFixture.h"
#include "widgets/HintList.h"

namespace {

using BillRules::afterChoice;

TEST(BillRules, EveryMonthChoiceTurnsTheNotifyDateIntoItsDayAndBack)
{
    EXPECT_EQ(afterChoice("06/15/2002", BillRules::EveryMonth, {}).notify, "15");
    EXPECT_TRUE(afterChoice("06/15/2002", BillRules::EveryMonth, {}).tip);
    EXPECT_EQ(afterChoice("06/05/2002", BillRules::Once, "x").notify, "06/05/2002");
    // A day text: NO brings back the kept date, YES keeps it; neither leads on to a tip.
    EXPECT_EQ(afterChoice("15", BillRules::Once, "06/15/2002").notify, "06/15/2002");
    EXPECT_FALSE(afterChoice("15", BillRules::Once, "06/15/2002").tip);
    EXPECT_EQ(afterChoice("15", BillRules::EveryMonth, "06/15/2002").notify, "15");
    // Typed by hand without two '/': left as typed.
    EXPECT_EQ(afterChoice("6-15-2002", BillRules::EveryMonth, {}).notify, "6-15-2002");
    EXPECT_EQ(afterChoice("15/", BillRules::EveryMonth, {}).notify, "15/");

    EXPECT_EQ(BillRules::choiceFromStored(QString("0")), BillRules::EveryMonth);
    EXPECT_EQ(BillRules::choiceFromStored(QString("1")), BillRules::Once);
    EXPECT_FALSE(BillRules::choiceFromStored(QString()).has_value());
    EXPECT_FALSE(BillRules::choiceFromStored(QString("7")).has_value());
    EXPECT_FALSE(BillRules::choiceFromStored(std::nullopt).has_value());
}

class BillEntry : public BillsFixture
{
};

TEST_F(BillEntry, YesStoresTheDayTextAndNoTheFullDate)
{
    loaded();
    bills().onCmdAddNewBillReleased(10, 10);
    EXPECT_EQ(ui().txtBMDueDate->text(), "12/09/2026"); // the selected bills date
    EXPECT_FALSE(ui().cmdSaveBill->isEnabled());        // until YES or NO
    EXPECT_FALSE(ui().txtBMNDate->isReadOnly());

    enter("Rent", "850", QDate(2026, 12, 15), BillRules::EveryMonth);
    EXPECT_EQ(ui().txtBMNDate->text(), "15");
    EXPECT_TRUE(ui().cmdSaveBill->isEnabled());
    EXPECT_EQ(tip(), "That's it. Click the SAVE BILL button.\r\n\r\nClick CANCEL to stop");
    save();
    EXPECT_EQ(bills().billMode(), "None");
    EXPECT_TRUE(tip().startsWith("Bill is saved!\r\n"));

    // YES then NO brings back the date chosen with "Set Date".
    enter("Water", "40.10", QDate(2026, 12, 20), BillRules::EveryMonth);
    EXPECT_EQ(ui().txtBMNDate->text(), "20");
    ui().optEveryMonth[BillRules::Once]->click();
    EXPECT_EQ(ui().txtBMNDate->text(), "12/20/2026");
    save();

    EXPECT_EQ(stored("Payee"), QStringList({"Rent", "Water"}));
    EXPECT_EQ(stored("NDate"), QStringList({"15", "12/20/2026"}));
    EXPECT_EQ(stored("EM"), QStringList({"0", "1"}));
    EXPECT_EQ(stored("Amount"), QStringList({"850", "40.10"}));
    EXPECT_EQ(listed(), QStringList({"Rent", "Water"}));
    EXPECT_EQ(status(), "2 Bills Scheduled");
    EXPECT_TRUE(ui().txtBMPayee->isReadOnly());
    EXPECT_TRUE(prompter.shown.isEmpty());

    // Selecting shows the stored choice.
    ui().lstBillMinder->setCurrentRow(0);
    EXPECT_TRUE(ui().optEveryMonth[BillRules::EveryMonth]->isChecked());
    ui().lstBillMinder->setCurrentRow(1);
    EXPECT_TRUE(ui().optEveryMonth[BillRules::Once]->isChecked());
    EXPECT_EQ(ui().txtBMNDate->text(), "12/20/2026");
}

TEST_F(BillEntry, YesOnAHandTypedDateLeavesItAsTyped)
{
    loaded();
    bills().onCmdAddNewBillReleased(10, 10);
    ui().txtBMNDate->setText("12-15-2026");
    ui().optEveryMonth[BillRules::EveryMonth]->click();
    EXPECT_EQ(ui().txtBMNDate->text(), "12-15-2026");
}

TEST_F(BillEntry, RefusedSaveKeepsTheEntryOpenAndClaimsNothing)
{
    loaded();
    enter("Rent", "", QDate(2026, 12, 15), BillRules::Once);
    save();
    ASSERT_EQ(prompter.shown.size(), 1);
    EXPECT_EQ(prompter.shown[0].text, "All Fields Must Contain Data");
    EXPECT_EQ(prompter.shown[0].title, "Error");
    EXPECT_EQ(prompter.shown[0].icon, Prompter::Icon::Critical);
    EXPECT_TRUE(stored("Payee").isEmpty());
    // Still adding, with what was typed.
    EXPECT_EQ(bills().billMode(), "AddNew");
    EXPECT_EQ(ui().txtBMPayee->text(), "Rent");
    EXPECT_FALSE(ui().txtBMAmount->isReadOnly());
    EXPECT_TRUE(ui().optEveryMonth[BillRules::Once]->isEnabled());
    EXPECT_TRUE(ui().cmdBMCancel->isEnabled());
    EXPECT_TRUE(ui().cmdSaveBill->isEnabled());
    EXPECT_FALSE(ui().cmdAddNewBill->isEnabled());
    EXPECT_FALSE(tip().startsWith("Bill is saved!"));

    // The amount typed in, the same entry saves.
    ui().txtBMAmount->setText("850");
    save();
    EXPECT_EQ(stored("Payee"), QStringList({"Rent"}));
}

TEST_F(BillEntry, SaveWithoutTheEveryMonthChoiceAsksForIt)
{
    loaded();
    // Empty boxes and no choice: the first refusal.
    bills().onCmdAddNewBillReleased(10, 10);
    save();
    EXPECT_EQ(lastMessage(), "All fields must contain data");
    EXPECT_EQ(prompter.shown.last().title, "");

    // Every box filled, YES pressed and then cleared by "Set Date".
    enter("Rent", "850", QDate(2026, 12, 15), BillRules::EveryMonth);
    bills().onTxtBMNDateClick();
    bills().onCmdSetDateReleased(10, 10);
    EXPECT_FALSE(ui().optEveryMonth[0]->isChecked() || ui().optEveryMonth[1]->isChecked());
    EXPECT_TRUE(ui().cmdSaveBill->isEnabled());
    save();
    EXPECT_EQ(lastMessage(), "Please select YES or NO: Notify on this day every month?");
    EXPECT_TRUE(stored("Payee").isEmpty());
    EXPECT_EQ(bills().billMode(), "AddNew");
    EXPECT_EQ(ui().txtBMPayee->text(), "Rent");
}

TEST_F(BillEntry, ViewAllOnAnEmptyStoreShowsTheHintAndNoBox)
{
    loaded();
    bills().onCmdViewAllBillsReleased(10, 10);
    EXPECT_TRUE(prompter.shown.isEmpty());
    EXPECT_TRUE(listed().isEmpty());
    EXPECT_EQ(find<HintList>("lstBillMinder")->hint(), "No Records Found");
}

TEST_F(BillEntry, EditAndDeleteNeedASelectedBill)
{
    seed("Rent", "12/15/2026", "15", 0);
    loaded();
    bills().onCmdViewAllBillsReleased(10, 10);
    EXPECT_EQ(listed(), QStringList({"Rent"}));
    EXPECT_FALSE(ui().cmdEditBill->isEnabled());
    EXPECT_FALSE(ui().cmdDeleteBill->isEnabled());

    ui().lstBillMinder->setCurrentRow(0);
    EXPECT_TRUE(ui().cmdEditBill->isEnabled());
    EXPECT_TRUE(ui().cmdDeleteBill->isEnabled());
    // A listing in between leaves no current row: both go off again.
    bills().onMonthViewBMDateClick(QDate(2026, 12, 15));
    EXPECT_EQ(listed(), QStringList({"Rent"}));
    EXPECT_FALSE(ui().cmdEditBill->isEnabled());
    EXPECT_FALSE(ui().cmdDeleteBill->isEnabled());

    // Pressed anyway (by another panel): they ask for a selection and touch nothing.
    prompter.shown.clear();
    bills().onCmdDeleteBillReleased(10, 10);
    bills().onCmdEditBillReleased(10, 10);
    EXPECT_EQ(prompter.shown.size(), 2);
    EXPECT_EQ(lastMessage(), "Please select a bill in the list first.");
    EXPECT_EQ(bills().billMode(), "None");
    EXPECT_EQ(stored("Payee"), QStringList({"Rent"}));
}

TEST_F(BillEntry, PayeeWithAnApostropheIsEditedAndDeleted)
{
    seed("Gas", "12/01/2026", "01", 0);
    seed("Dad's Shop", "12/15/2026", "12/10/2026", 1);
    loaded();
    bills().onCmdViewAllBillsReleased(10, 10);
    ui().lstBillMinder->setCurrentRow(1);
    EXPECT_EQ(ui().txtBMPayee->text(), "Dad's Shop");

    bills().onCmdEditBillReleased(10, 10);
    EXPECT_EQ(bills().billMode(), "Edit");
    ui().txtBMAmount->setText("99.95");
    save();
    EXPECT_EQ(stored("Amount"), QStringList({"12.50", "99.95"}));
    EXPECT_EQ(stored("EM"), QStringList({"0", "1"}));
    EXPECT_EQ(listed(), QStringList({"Gas", "Dad's Shop"}));

    ui().lstBillMinder->setCurrentRow(1);
    prompter.setNextAnswer(Prompter::Answer::No);
    bills().onCmdDeleteBillReleased(10, 10);
    EXPECT_EQ(prompter.shown.last().title, "Delete Record");
    EXPECT_EQ(stored("Payee"), QStringList({"Gas", "Dad's Shop"}));
    prompter.setNextAnswer(Prompter::Answer::Yes);
    bills().onCmdDeleteBillReleased(10, 10);
    EXPECT_EQ(stored("Payee"), QStringList({"Gas"}));
    EXPECT_EQ(listed(), QStringList({"Gas"}));
    EXPECT_TRUE(ui().txtBMPayee->text().isEmpty());
}

} // namespace
