#pragma once

#include "platform/Prompter.h"
#include "reminders/BillRules.h"
#include "reminders/BillsControls.h"
#include "reminders/RecordPanel.h"

#include <QDate>
#include <QObject>
#include <QString>

#include <functional>

class ReminderStores;
struct StoreError;
class TipPanel;
class QWidget;

// The bills reminder: the bills calendar, the bill list and the entry panel.
//
// Handlers are named after the control and its event; tests call them directly. The work is
// spread over BillsPanel.cpp (entry points, calendar), BillsLists.cpp (list fills and
// selection), BillsEntry.cpp (the panel buttons) and BillsGuide.cpp (the guided entry).
class BillsPanel : public DayRecordPanel
{
    Q_OBJECT
public:
    BillsPanel(Services &services, QWidget *surface, TipPanel &tips, ReminderStores &stores,
               const Connectivity::State &connectivity);

    // The bills half of the start-up date check, run first: bills announce mode on, bills
    // today and the calendar set to today, "\Bills.mdb" opened, today's one-time then monthly
    // bills announced; start-up done flag on, announce mode off.
    // Throws OrvaneError when the database cannot be opened.
    void dateStartup();
    // The bills' current recordset shown as the missed reminders of a date (nothing happens
    // when it has no row).
    void Missed_Bills();
    // The events panel's "Close" ends any bill entry mode too.
    void setBillModeNone() { m_billMode = QStringLiteral("None"); }
    // The calendar.
    void onMonthViewBMDateClick(const QDate &date);

    // List fills of the bills' current recordset.
    void List_Due_Bills();
    void List_Monthly_Bills();
    void List_Bills();
    void Show_All2();
    void onLstBillMinderClick();

    // Panel buttons (release position in the button).
    void onCmdAddNewBillReleased(int x, int y);
    void onCmdEditBillReleased(int x, int y);
    void onCmdSaveBillReleased(int x, int y);
    void onCmdDeleteBillReleased(int x, int y);
    void onCmdCancelReleased(int x, int y);
    void onCmdCloseReleased(int x, int y);
    void onCmdViewAllBillsReleased(int x, int y);
    void Set_Inputs2();
    // False when the entry was refused (a box empty, or no row to change).
    bool add2();
    bool edit2();

    // Guided entry.
    void onTxtBMNDateClick();
    void onMonthViewBM2DateClick(const QDate &date);
    void onCmdSetDateReleased(int x, int y);
    void onTxtBMPayeeKeyPress();
    void onTxtBMAmountGotFocus();
    void onTxtBMAmountClick();
    void onOptEveryMonthMouseDown(int index);

    // State the tests and the other reminder panels read.
    const BillsControls &controls() const { return m_ui; }
    const QString &billMode() const { return m_billMode; }
    bool oneTimeBillsFound() const { return m_oneTimeFound; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // Ends every guided tip.
    static inline const QString kCancelSuffix = QStringLiteral("\r\n\r\nClick CANCEL to stop");

    void wire();
    void playWave(const QString &relativePath);
    void showTip(const QString &text);
    void showListHint();
    void showPanel();
    void hidePanel();
    void lockBoxes(bool locked);
    void enableChoices(bool enabled);
    void clearChoices();
    std::optional<BillRules::Choice> selectedChoice() const;
    BillRules::Entry entry() const;
    bool askToSelectFirst();
    bool refuseIncomplete();
    void focusDashboard();
    // Message boxes.
    Prompter::Answer ask(const Prompter::Message &message);
    void tell(const QString &text, const QString &title, Prompter::Icon icon);
    void tellStoreError(const StoreError &error);
    // The list fill, always leaving no current row: "Edit Bill" and "Delete Bill" go off
    // with it, so they never act on a row that is no longer current.
    int fillList(bool append, const std::function<void(int)> &rowAdded);

    BillsControls m_ui;

    QString m_billMode = QStringLiteral("None");
    QString m_keptNotify;
    bool m_oneTimeFound = false;
};
