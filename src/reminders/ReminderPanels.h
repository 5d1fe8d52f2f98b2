#pragma once

#include "platform/Connectivity.h"
#include "platform/Services.h"
#include "reminders/ReminderStores.h"

#include <QObject>

class AddressBookPanel;
class BillsPanel;
class EventsPanel;
class MissedDays;
class TipPanel;
class QWidget;

// The reminders in the dashboard's lifecycle: the record stores and the panels over them.
// The panels are its children and die before the stores they hold references to.
class ReminderPanels : public QObject
{
    Q_OBJECT
public:
    ReminderPanels(Services &services, QWidget *surface, TipPanel &tips,
                   const Connectivity::State &connectivity);
    ~ReminderPanels() override;

    // The missed-days check.
    void checkMissedDays();
    // Open "Address.mdb", fill the address list, lock its boxes.
    // Throws OrvaneError naming the file when the database cannot be opened.
    void loadAddressBook();
    // The start-up date check for bills, then events. Throws as above.
    void dateStartup();
    // The clock saw a new date: the start-up date check with both start-up done flags
    // cleared, then the missed-days check. The flags are set again however the check ends.
    void dayChanged();
    // "&Exit": close the events, bills and address databases.
    void closeStores();

    ReminderStores &stores() { return m_stores; }
    EventsPanel &events() const { return *m_events; }
    BillsPanel &bills() const { return *m_bills; }
    AddressBookPanel &addressBook() const { return *m_addressBook; }
    MissedDays &missedDays() const { return *m_missedDays; }

private:
    Services &m_services;
    QWidget *m_surface;
    ReminderStores m_stores;
    EventsPanel *m_events;
    BillsPanel *m_bills;
    AddressBookPanel *m_addressBook;
    MissedDays *m_missedDays;
};
