#pragma once

#include "reminders/BillsPanel.h"
#include "reminders/StoreFiles.h"
#include "support/DashboardFixture.h"
#include "widgets/LumoButton.h"
#include "widgets/ReleaseRule.h"

#include <QCalendarWidget>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>

// A dashboard whose bills database holds the rows a test seeds before loading; today is
// 12/09/2026 (day text "09") and the tips are on.
class BillsFixture : public DashboardFixture
{
protected:
    BillsFixture()
    {
        setSetting("System", "AutoHide", "True");
        setSetting("System", "Tips", "True");
    }

    // Rows stored straight into the file, as an earlier run would have left them.
    void seed(const QString &payee, const QString &dueDate, const QString &notify, int em)
    {
        RecordStore store;
        store.open(appPath("Bills.mdb"));
        Recordset rows = store.openTable("Bills");
        addBill(rows, payee, dueDate, notify, em);
    }
    // One field of every stored row, first to last.
    QStringList stored(const char *field)
    {
        RecordStore store;
        store.open(appPath("Bills.mdb"));
        Recordset rows = store.openTable("Bills");
        return column(rows, field);
    }

    BillsPanel &bills() { return *dashboard().findChild<BillsPanel *>(); }
    const BillsControls &ui() { return bills().controls(); }
    QStringList listed()
    {
        QStringList entries;
        for (int i = 0; i < ui().lstBillMinder->count(); ++i)
            entries << ui().lstBillMinder->item(i)->text();
        return entries;
    }
    QString status() { return ui().lblNoBills->text(); }
    QString tip() { return find<QLabel>("lblTip")->text(); }
    bool panelShown() { return !ui().PicBMBills->isHidden(); }
    int notifySounds()
    {
        int count = 0;
        for (const auto &play : sound.plays)
            count += play.path.endsWith("notify2.wav");
        return count;
    }
    QString lastMessage()
    {
        return prompter.shown.isEmpty() ? QString() : prompter.shown.last().text;
    }

    // A bill entered through the panel as the guided entry leads the user.
    void enter(const QString &payee, const QString &amount, QDate notify, int choice)
    {
        bills().onCmdAddNewBillReleased(10, 10);
        bills().onTxtBMNDateClick();
        ui().MonthViewBM2->setSelectedDate(notify);
        bills().onMonthViewBM2DateClick(notify);
        bills().onCmdSetDateReleased(10, 10);
        ui().txtBMPayee->setText(payee);
        ui().txtBMAmount->setText(amount);
        if (choice >= 0)
            ui().optEveryMonth[choice]->click();
    }
    void save() { bills().onCmdSaveBillReleased(10, 10); }
};
