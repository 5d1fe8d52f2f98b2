#pragma once

#include "platform/Services.h"

#include <QObject>

class QDate;
class ReminderStores;
class TipPanel;
class QWidget;

// The bills reminder: the bills calendar, the bill list and the entry panel.
class BillsPanel : public QObject
{
    Q_OBJECT
public:
    BillsPanel(Services &services, QWidget *surface, TipPanel &tips, ReminderStores &stores);

    // The bills half of the start-up date check, run first: bills announce mode on, bills
    // today and the calendar set to today, "\Bills.mdb" opened, today's one-time then monthly
    // bills announced; start-up done flag on, announce mode off.
    // Throws OrvaneError when the database cannot be opened.
    void dateStartup();
    // Cleared at a change of date before the start-up date check runs again.
    void setStartupDone(bool done);
    // The bills' current recordset shown as the missed reminders of a date (nothing happens
    // when it has no row).
    void Missed_Bills();
    void setSelectedDate(const QDate &date);

private:
    Services &m_services;
    QWidget *m_surface;
    TipPanel &m_tips;
    ReminderStores &m_stores;
};
