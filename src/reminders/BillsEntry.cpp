// The bills panel's buttons: adding, changing, saving, deleting, cancelling, closing, and
// listing every bill.
#include "reminders/BillsPanel.h"

#include "common/DateText.h"
#include "common/Twips.h"
#include "platform/Prompter.h"
#include "reminders/ReminderStores.h"
#include "widgets/LumoButton.h"
#include "widgets/ReleaseRule.h"
#include "widgets/TipPanel.h"

#include <QFrame>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>

namespace {

constexpr QSize kPanelButton{80, 25};
constexpr QSize kViewAllButton{128, 21};
const QString kTable = QStringLiteral("Bills");

} // namespace

void BillsPanel::lockBoxes(bool locked)
{
    for (QLineEdit *box : {m_ui.txtBMNDate, m_ui.txtBMDueDate, m_ui.txtBMPayee, m_ui.txtBMAmount})
        box->setReadOnly(locked);
}

void BillsPanel::enableChoices(bool enabled)
{
    for (QRadioButton *option : m_ui.optEveryMonth)
        option->setEnabled(enabled);
}

void BillsPanel::clearChoices()
{
    // Exclusive choices refuse to be both unticked; lift that for a moment.
    for (QRadioButton *option : m_ui.optEveryMonth) {
        option->setAutoExclusive(false);
        option->setChecked(false);
        option->setAutoExclusive(true);
    }
}

std::optional<BillRules::Choice> BillsPanel::selectedChoice() const
{
    if (m_ui.optEveryMonth[BillRules::EveryMonth]->isChecked())
        return BillRules::EveryMonth;
    if (m_ui.optEveryMonth[BillRules::Once]->isChecked())
        return BillRules::Once;
    return std::nullopt;
}

BillRules::Entry BillsPanel::entry() const
{
    return {m_ui.txtBMPayee->text(), m_ui.txtBMAmount->text(), m_ui.txtBMDueDate->text(),
            m_ui.txtBMNDate->text(), selectedChoice()};
}

void BillsPanel::Set_Inputs2()
{
    for (QLineEdit *box : {m_ui.txtBMPayee, m_ui.txtBMAmount, m_ui.txtBMDueDate, m_ui.txtBMNDate})
        box->clear();
    lockBoxes(true);
    enableChoices(false);
    clearChoices();
}

// After a list fill there is no current row: a change or a delete would have nothing to act on.
bool BillsPanel::askToSelectFirst()
{
    if (m_stores.bills().current.hasCurrentRow())
        return false;
    tell(QStringLiteral("Please select a bill in the list first."), {},
         Prompter::Icon::Information);
    return true;
}

bool BillsPanel::refuseIncomplete()
{
    if (BillRules::complete(entry()))
        return false;
    tell(QStringLiteral("All Fields Must Contain Data"), QStringLiteral("Error"),
         Prompter::Icon::Critical);
    return true;
}

bool BillsPanel::add2()
{
    if (refuseIncomplete())
        return false;
    Recordset &rows = m_stores.bills().current;
    if (!BillRules::store(rows, entry(), true)) {
        tellStoreError(rows.lastError());
        return false;
    }
    Set_Inputs2();
    setButtons({m_ui.cmdAddNewBill}, {m_ui.cmdSaveBill, m_ui.cmdBMCancel, m_ui.cmdBMClose});
    List_Bills();
    m_adding = m_editing = false;
    return true;
}

bool BillsPanel::edit2()
{
    if (refuseIncomplete() || askToSelectFirst())
        return false;
    ReminderDatabase &bills = m_stores.bills();
    if (!BillRules::store(bills.current, entry(), false)) {
        tellStoreError(bills.current.lastError());
        return false;
    }
    Set_Inputs2();
    setButtons({m_ui.cmdAddNewBill}, {m_ui.cmdSaveBill, m_ui.cmdBMCancel});
    bills.current = bills.store.openTable(kTable);
    List_Bills();
    m_adding = m_editing = false;
    return true;
}

void BillsPanel::onCmdAddNewBillReleased(int x, int y)
{
    if (!releasedInside({x, y}, kPanelButton))
        return;
    m_billMode = QStringLiteral("AddNew");
    lockBoxes(false);
    enableChoices(true);
    for (QLineEdit *box : {m_ui.txtBMPayee, m_ui.txtBMAmount, m_ui.txtBMDueDate, m_ui.txtBMNDate})
        box->clear();
    m_ui.txtBMDueDate->setText(DateText::toText(m_selectedDate));
    setButtons({m_ui.cmdBMCancel},
               {m_ui.cmdAddNewBill, m_ui.cmdBMClose, m_ui.cmdDeleteBill, m_ui.cmdEditBill,
                m_ui.cmdSaveBill});
    clearChoices();
    m_adding = true;
    m_editing = false;
    m_ui.txtBMNDate->setFocus();
    showTip(QStringLiteral("The date is automatically entered.  You can change this if you "
                           "wish. Now click the Notify Date box and a calendar will pop up"));
}

void BillsPanel::onCmdEditBillReleased(int x, int y)
{
    if (!releasedInside({x, y}, kPanelButton) || askToSelectFirst())
        return;
    lockBoxes(false);
    enableChoices(true);
    m_keptNotify = m_ui.txtBMNDate->text();
    m_billMode = QStringLiteral("Edit");
    setButtons({m_ui.cmdBMCancel, m_ui.cmdSaveBill},
               {m_ui.cmdAddNewBill, m_ui.cmdBMClose, m_ui.cmdDeleteBill, m_ui.cmdEditBill});
    m_editing = true;
    m_adding = false;
    showTip(QStringLiteral("To edit a bill select any or all fields to be changed then click "
                           "the SAVE BILL button")
            + kCancelSuffix);
}

void BillsPanel::onCmdSaveBillReleased(int x, int y)
{
    if (!releasedInside({x, y}, kPanelButton))
        return;
    m_ui.PicBM->hide();
    const BillRules::Entry typed = entry();
    if (!typed.choice) {
        // Without the choice a bill could not be told monthly or once; ask for it.
        tell(BillRules::complete(typed) ? QStringLiteral("Please select YES or NO: Notify on this "
                                                         "day every month?")
                                        : QStringLiteral("All fields must contain data"),
             {}, Prompter::Icon::None);
        return;
    }
    // A refused entry stays open with what was typed, and nothing claims it was saved.
    if ((m_adding && !add2()) || (!m_adding && m_editing && !edit2()))
        return;
    m_billMode = QStringLiteral("None");
    m_ui.cmdBMClose->setEnabled(true);
    focusDashboard();
    lockBoxes(true);
    enableChoices(false);
    showTip(QStringLiteral("Bill is saved!\r\nTo add a new bill click the ADD NEW BILL button")
            + kCancelSuffix);
}

void BillsPanel::onCmdDeleteBillReleased(int x, int y)
{
    if (!releasedInside({x, y}, kPanelButton) || askToSelectFirst())
        return;
    m_billMode = QStringLiteral("None");
    const auto answer
        = ask({QStringLiteral("Are You Sure You Want To Delete This Record"),
               QStringLiteral("Delete Record"), Prompter::Icon::None, Prompter::Buttons::YesNo});
    if (answer != Prompter::Answer::Yes)
        return;
    ReminderDatabase &bills = m_stores.bills();
    if (!bills.current.deleteCurrent()) {
        tellStoreError(bills.current.lastError());
        return;
    }
    bills.current = bills.store.openTable(kTable);
    List_Bills();
    Set_Inputs2();
    setButtons({m_ui.cmdAddNewBill, m_ui.cmdBMClose},
               {m_ui.cmdBMCancel, m_ui.cmdDeleteBill, m_ui.cmdEditBill, m_ui.cmdSaveBill});
}

void BillsPanel::onCmdCancelReleased(int x, int y)
{
    if (!releasedInside({x, y}, kPanelButton))
        return;
    m_billMode = QStringLiteral("None");
    m_ui.PicBM->hide();
    Set_Inputs2();
    setButtons({m_ui.cmdAddNewBill, m_ui.cmdBMClose},
               {m_ui.cmdSaveBill, m_ui.cmdEditBill, m_ui.cmdBMCancel});
    showTip(QStringLiteral("You have choosen to cancel the bill. To add a new bill click the "
                           "ADD NEW BILL button"));
    ReminderDatabase &bills = m_stores.bills();
    bills.current = bills.store.openTable(kTable);
    List_Bills();
    focusDashboard();
    lockBoxes(true);
    enableChoices(false);
}

void BillsPanel::onCmdCloseReleased(int x, int y)
{
    if (!releasedInside({x, y}, kPanelButton))
        return;
    m_ui.PicBM->hide();
    m_billMode = QStringLiteral("None");
    hidePanel();
    focusDashboard();
    lockBoxes(true);
    enableChoices(false);
    m_ui.PicBMBills->move(twips(1290), twips(960));
    m_tips.hide();
}

void BillsPanel::onCmdViewAllBillsReleased(int x, int y)
{
    if (!releasedInside({x, y}, kViewAllButton))
        return;
    Set_Inputs2();
    setButtons({m_ui.cmdAddNewBill, m_ui.cmdBMClose},
               {m_ui.cmdEditBill, m_ui.cmdDeleteBill, m_ui.cmdSaveBill, m_ui.cmdBMCancel});
    ReminderDatabase &bills = m_stores.bills();
    bills.current = bills.store.openTable(kTable);
    showPanel();
    Show_All2();
    showListHint();
}
