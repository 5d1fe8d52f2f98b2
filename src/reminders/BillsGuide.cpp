// The guided entry of a bill: the notify calendar, the every-month choice and the tips that
// lead from one box to the next.
#include "reminders/BillsPanel.h"

#include "common/DateText.h"
#include "platform/Clock.h"
#include "widgets/LumoButton.h"
#include "widgets/ReleaseRule.h"
#include "widgets/TipPanel.h"

#include <QCalendarWidget>
#include <QFrame>
#include <QLineEdit>

void BillsPanel::onTxtBMNDateClick()
{
    m_ui.MonthViewBM2->setSelectedDate(m_services.clock.now().date());
    if (m_billMode == QLatin1String("Edit"))
        clearChoices();
    if (m_ui.txtBMNDate->isReadOnly())
        return;
    m_ui.PicBM->show();
    m_ui.PicBM->raise();
    showTip(QStringLiteral("Click a calendar date to be notified on, then click the SET DATE "
                           "button")
            + kCancelSuffix);
}

void BillsPanel::onMonthViewBM2DateClick(const QDate &date)
{
    m_ui.txtBMNDate->setText(DateText::toText(date));
    m_ui.cmdBMSetDate->setFocus();
}

void BillsPanel::onCmdSetDateReleased(int x, int y)
{
    if (!releasedInside({x, y}, m_ui.cmdBMSetDate->size()))
        return;
    m_keptNotify = DateText::toText(m_ui.MonthViewBM2->selectedDate());
    m_ui.PicBM->hide();
    if (m_billMode == QLatin1String("AddNew"))
        clearChoices();
    showTip(QStringLiteral("Now enter a PAY BILL TO.  This is who the bill is going to")
            + kCancelSuffix);
}

void BillsPanel::onTxtBMPayeeKeyPress()
{
    showTip(QStringLiteral("Next, enter the amount due") + kCancelSuffix);
}

void BillsPanel::onTxtBMAmountGotFocus()
{
    if (m_ui.txtBMPayee->text().isEmpty())
        m_ui.txtBMPayee->setFocus();
}

void BillsPanel::onTxtBMAmountClick()
{
    showTip(QStringLiteral("Lastly, select whether you would like to be notified of this bill "
                           "every month.")
            + kCancelSuffix);
}

void BillsPanel::onOptEveryMonthMouseDown(int index)
{
    m_ui.cmdSaveBill->setEnabled(true);
    if (m_billMode == QLatin1String("Edit") || m_billMode == QLatin1String("AddNew")) {
        const auto result = BillRules::afterChoice(m_ui.txtBMNDate->text(),
                                                   BillRules::Choice(index), m_keptNotify);
        m_ui.txtBMNDate->setText(result.notify);
        if (!result.tip)
            return;
    }
    showTip(QStringLiteral("That's it. Click the SAVE BILL button.") + kCancelSuffix);
}
