// The ways of filling the bill list from the bills' current recordset, and the selection.
#include "reminders/BillsPanel.h"

#include "platform/Prompter.h"
#include "reminders/ListWidgetFill.h"
#include "reminders/ReminderQueries.h"
#include "reminders/ReminderStores.h"
#include "widgets/LumoButton.h"
#include "widgets/TipPanel.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>

namespace {

const QString kNotifySound = QStringLiteral("\\Sounds\\notify2.wav");
const QString kNoBillsDue = QStringLiteral("No Bills Due");

QString countText(int row, const char *what)
{
    return QString::number(row) + QLatin1String(what);
}

} // namespace

int BillsPanel::fillList(bool append, const std::function<void(int)> &rowAdded)
{
    const int rows
        = fillListWidget(*m_ui.lstBillMinder, m_stores.bills().current, QStringLiteral("Payee"),
                         append ? ListFill::Mode::Append : ListFill::Mode::Replace, rowAdded);
    if (rows > 0)
        setButtons({}, {m_ui.cmdEditBill, m_ui.cmdDeleteBill});
    return rows;
}

void BillsPanel::List_Due_Bills()
{
    if (m_stores.bills().current.recordCount() > 0) {
        playWave(kNotifySound);
        m_oneTimeFound = true;
        fillList(false,
                 [this](int row) { m_ui.lblNoBills->setText(countText(row, " Bill(s) Due")); });
        showPanel();
        return;
    }
    m_ui.lblNoBills->setText(kNoBillsDue);
    hidePanel();
    m_ui.lstBillMinder->clear();
    Set_Inputs2();
    m_oneTimeFound = false;
    if (!m_startupDone)
        return;
    m_ui.cmdEditBill->setEnabled(false);
    const auto answer = ask({QStringLiteral("No scheduled Bills.\r\nWould you like to add a Bill?"),
                             QStringLiteral("No Bills Scheduled"), Prompter::Icon::None,
                             Prompter::Buttons::YesNo});
    if (answer == Prompter::Answer::Yes) {
        showPanel();
        showListHint();
    }
}

void BillsPanel::List_Monthly_Bills()
{
    if (m_stores.bills().current.recordCount() == 0)
        return;
    const bool append = m_oneTimeFound;
    if (!append)
        playWave(kNotifySound);
    fillList(append, [this](int) { m_ui.lblNoBills->setText(QStringLiteral("Bills Are DUE!")); });
    showPanel();
    showListHint();
}

void BillsPanel::List_Bills()
{
    if (m_stores.bills().current.recordCount() > 0) {
        fillList(false,
                 [this](int row) { m_ui.lblNoBills->setText(countText(row, " Bills Scheduled")); });
        playWave(kNotifySound);
        showPanel();
        return;
    }
    m_ui.lblNoBills->setText(kNoBillsDue);
    m_ui.lstBillMinder->clear();
    Set_Inputs2();
}

void BillsPanel::Show_All2()
{
    fillList(false, {}); // an empty store leaves the list empty, where its hint says so
}

void BillsPanel::Missed_Bills()
{
    if (m_stores.bills().current.recordCount() == 0)
        return;
    m_tips.show(QStringLiteral("Orvane has checked the days that you did not run the program."
                               "\r\n\r\nThese dates are listed in the listbox.  Click on a date.  "
                               "If nothing happens then no bills were missed."),
                QPoint(3750, 6495));
    playWave(QStringLiteral("\\Sounds\\notify1.wav"));
    m_oneTimeFound = true;
    fillList(false, [this](int row) { m_ui.lblNoBills->setText(countText(row, " Bill(s) Due")); });
    showPanel();
    m_ui.lstBillMinder->setCurrentRow(0); // runs the selection
}

void BillsPanel::onLstBillMinderClick()
{
    QListWidgetItem *item = m_ui.lstBillMinder->currentItem();
    if (!item)
        return;
    ReminderDatabase &bills = m_stores.bills();
    // The payee is bound as typed; doubling its apostrophes would look for another name.
    bills.current = ReminderQueries::billByPayee(bills.store, item->text().trimmed());
    bills.current.moveFirst();
    if (!bills.current.hasCurrentRow())
        return;
    const auto text = [&bills](const char *field) {
        return bills.current.field(QString::fromLatin1(field)).value_or(QString());
    };
    m_ui.txtBMPayee->setText(text("Payee"));
    m_ui.txtBMAmount->setText(text("Amount"));
    m_ui.txtBMDueDate->setText(text("DueDate"));
    m_ui.txtBMNDate->setText(text("NDate"));
    clearChoices();
    if (const auto choice = BillRules::choiceFromStored(bills.current.field(QStringLiteral("EM"))))
        m_ui.optEveryMonth[*choice]->setChecked(true);
    setButtons({m_ui.cmdEditBill, m_ui.cmdDeleteBill, m_ui.cmdAddNewBill, m_ui.cmdBMClose},
               {m_ui.cmdBMCancel, m_ui.cmdSaveBill});
}
