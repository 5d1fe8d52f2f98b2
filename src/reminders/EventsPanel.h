#pragma once

#include "reminders/EventControls.h"
#include "reminders/RecordPanel.h"

#include <QDate>
#include <QObject>
#include <QPoint>
#include <functional>
#include <memory>

class EventsGuide;
struct EventRecord;
class QString;
class Recordset;
class ReminderStores;
class TipPanel;
class QWidget;

// The events reminder: the events calendar, the event list and the entry panel.
class EventsPanel : public DayRecordPanel
{
    Q_OBJECT
public:
    EventsPanel(Services &services, QWidget *surface, TipPanel &tips, ReminderStores &stores,
                const Connectivity::State &connectivity);
    ~EventsPanel() override;

    // The events half of the start-up date check, after the bills half: events announce
    // mode on, calendar set to today, "\Events.mdb" opened, every event listed, then today's
    // notifications announced; start-up done flag on, announce mode off.
    // Throws OrvaneError when the database cannot be opened.
    void dateStartup();
    // The events' current recordset shown as the missed reminders of a date (nothing happens
    // when it has no row).
    void Missed_Events();
    // Run by "Close" before the panel hides (the bills panel leaves its entry mode).
    void setOnClose(std::function<void()> onClose) { m_onClose = std::move(onClose); }

    // Handlers, named after the control and its event; tests call them directly.
    void onMonthView1DateClick(const QDate &date);
    void onCboCALSearchClick();
    void onLstDataClick();
    void onCmdAddEventReleased(int x, int y);
    void onCmdEditEventReleased(int x, int y);
    void onCmdSaveEventReleased(int x, int y);
    void onCmdDeleteEventReleased(int x, int y);
    void onCmdCancelEventReleased(int x, int y);
    void onCmdCloseEventsReleased(int x, int y);
    void onCmdViewAllEventsReleased(int x, int y);

    // The four ways of listing the current recordset.
    void List_Events();
    void List_Day_Events();
    void List_Start_Events();
    void Show_All();
    // Empties and locks the five entry boxes.
    void Set_Inputs();

    const EventControls &controls() const { return m_ui; }
    EventsGuide &guide() const { return *m_guide; }

private:
    // Where the list's hint is shown, in twips.
    static constexpr QPoint kListTipPlace{4425, 1125};

    Recordset &current();
    void makeTableCurrent();
    void playNotify();
    void play(const QString &sound);
    void showPanel();
    int fillList();
    void showEmptyDay();
    void setEntryLocked(bool locked);
    // "Edit Event" and "Delete Event" act on the current row, so they are offered only
    // while there is one.
    void setRowButtonsEnabled(bool wanted);
    bool hasCurrentRow();
    bool askForSelection();
    void tellStoreError();
    bool add();
    bool edit();
    EventRecord entryFields() const;

    EventControls m_ui;
    std::unique_ptr<EventsGuide> m_guide;
    std::function<void()> m_onClose;
};
