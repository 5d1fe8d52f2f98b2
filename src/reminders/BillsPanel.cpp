#include "reminders/BillsPanel.h"

#include "common/DateText.h"
#include "common/ScopedFlag.h"
#include "platform/AppFolder.h"
#include "platform/Clock.h"
#include "platform/SoundPlayer.h"
#include "reminders/ReminderQueries.h"
#include "reminders/ReminderStores.h"
#include "widgets/KeyCodes.h"
#include "widgets/LumoButton.h"
#include "widgets/TipPanel.h"

#include <QCalendarWidget>
#include <QEvent>
#include <QFocusEvent>
#include <QFrame>
#include <QGuiApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QWidget>

BillsPanel::BillsPanel(Services &services, QWidget *surface, TipPanel &tips, ReminderStores &stores,
                       const Connectivity::State &connectivity)
    : DayRecordPanel(services, surface, tips, stores, connectivity)
    , m_ui(BillsControls::build(surface, services))
{
    // The program starts viewing: boxes empty and locked, only "Add New Bill" and "Close".
    setButtons({m_ui.cmdAddNewBill, m_ui.cmdBMClose},
               {m_ui.cmdEditBill, m_ui.cmdSaveBill, m_ui.cmdDeleteBill, m_ui.cmdBMCancel});
    wire();
}

void BillsPanel::wire()
{
    onReleased<BillsPanel>({
        {m_ui.cmdViewAllBills, &BillsPanel::onCmdViewAllBillsReleased},
        {m_ui.cmdAddNewBill, &BillsPanel::onCmdAddNewBillReleased},
        {m_ui.cmdEditBill, &BillsPanel::onCmdEditBillReleased},
        {m_ui.cmdSaveBill, &BillsPanel::onCmdSaveBillReleased},
        {m_ui.cmdDeleteBill, &BillsPanel::onCmdDeleteBillReleased},
        {m_ui.cmdBMCancel, &BillsPanel::onCmdCancelReleased},
        {m_ui.cmdBMClose, &BillsPanel::onCmdCloseReleased},
        {m_ui.cmdBMSetDate, &BillsPanel::onCmdSetDateReleased},
    });

    connect(m_ui.MonthViewBM, &QCalendarWidget::clicked, this, &BillsPanel::onMonthViewBMDateClick);
    connect(m_ui.MonthViewBM2, &QCalendarWidget::clicked, this,
            &BillsPanel::onMonthViewBM2DateClick);

    // A click selects its bill, even the one already current; a new current row from the
    // keys or from the program (the first missed bill) selects as well.
    connect(m_ui.lstBillMinder, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row >= 0 && QGuiApplication::mouseButtons() == Qt::NoButton)
            onLstBillMinderClick();
    });
    connect(m_ui.lstBillMinder, &QListWidget::itemClicked, this, &BillsPanel::onLstBillMinderClick);

    connect(m_ui.txtBMPayee, &QLineEdit::textEdited, this, &BillsPanel::onTxtBMPayeeKeyPress);
    for (int index = 0; index < 2; ++index)
        connect(m_ui.optEveryMonth[index], &QRadioButton::clicked, this,
                [this, index] { onOptEveryMonthMouseDown(index); });
    m_ui.txtBMNDate->installEventFilter(this);
    m_ui.txtBMAmount->installEventFilter(this);
}

bool BillsPanel::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_ui.txtBMNDate && event->type() == QEvent::MouseButtonRelease)
        onTxtBMNDateClick();
    else if (watched == m_ui.txtBMAmount && event->type() == QEvent::MouseButtonRelease)
        onTxtBMAmountClick();
    else if (watched == m_ui.txtBMAmount && event->type() == QEvent::FocusIn
             && !tabbedTo(static_cast<QFocusEvent *>(event)->reason()))
        onTxtBMAmountGotFocus(); // Tab passes on, or a keyboard user could never leave
    return QObject::eventFilter(watched, event);
}

void BillsPanel::dateStartup()
{
    const ScopedFlag announcing(m_announce);
    const QDate today = startDay(m_ui.MonthViewBM);
    m_stores.openBills(m_services.dataFolder.path(QStringLiteral("\\Bills.mdb")));
    onMonthViewBMDateClick(today);
    m_startupDone = true;
}

void BillsPanel::onMonthViewBMDateClick(const QDate &date)
{
    if (m_startupDone && date == m_lastClicked)
        return;
    const QString dateText = DateText::toText(date).trimmed();
    m_selectedDate = date;
    const QString day = DateText::dayText(dateText);
    ReminderDatabase &bills = m_stores.bills();
    if (m_announce) {
        // One-time bills notified on this date, then the monthly ones of this day.
        bills.current = ReminderQueries::billsByNotifyDate(bills.store, dateText);
        List_Due_Bills();
        bills.current = ReminderQueries::billsByNotifyDate(bills.store, day);
        List_Monthly_Bills();
        if (m_startupDone)
            List_Due_Bills();
    } else {
        bills.current = ReminderQueries::billsByDueDate(bills.store, dateText);
        if (m_startupDone)
            List_Due_Bills();
    }
    m_lastClicked = m_ui.MonthViewBM->selectedDate();
}

// Reminder sounds play only where there is a wave output: no beep in their place.
void BillsPanel::playWave(const QString &relativePath)
{
    if (!m_services.sound.hasWaveOutput())
        return;
    playSound(m_services.sound, m_services.appFolder.path(relativePath), m_connectivity.flags);
}

// The entry's tips sit left of the calendar, clear of the bills panel and its notify calendar.
void BillsPanel::showTip(const QString &text)
{
    m_tips.show(text, QPoint(120, 1770));
}

void BillsPanel::showListHint()
{
    m_tips.show(QStringLiteral("To add a new bill, click the ADD NEW BILL button\r\n\r\n"
                               "To delete or edit a bill hightlight the bill then click the "
                               "DELETE BILL or EDIT BILL button."),
                QPoint(3375, 1215));
}

void BillsPanel::showPanel()
{
    m_ui.PicBMBills->show();
    m_ui.PicBMBills->raise();
    if (!m_tips.panel()->isHidden()) // a tip stays readable over the panel
        m_tips.panel()->raise();
}

void BillsPanel::hidePanel()
{
    m_ui.PicBMBills->hide();
}

void BillsPanel::focusDashboard()
{
    m_surface->setFocus();
}

Prompter::Answer BillsPanel::ask(const Prompter::Message &message)
{
    return m_services.prompter.ask(message);
}

void BillsPanel::tell(const QString &text, const QString &title, Prompter::Icon icon)
{
    ask({text, title, icon, Prompter::Buttons::Ok});
}

void BillsPanel::tellStoreError(const StoreError &error)
{
    tell(error.text(), QStringLiteral("Error"), Prompter::Icon::Critical);
}
