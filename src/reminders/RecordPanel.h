#pragma once

#include "platform/Connectivity.h"
#include "platform/Services.h"
#include "widgets/LumoButton.h"

#include <QDate>
#include <QObject>

#include <initializer_list>
#include <utility>

class QCalendarWidget;
class ReminderStores;
class TipPanel;
class QWidget;

// What the address book, the bills and the events panels do alike: the services and stores
// they work on, buttons that act on their release, the adding and editing modes.
class RecordPanel : public QObject
{
    Q_OBJECT
public:
    bool adding() const { return m_adding; }
    bool editing() const { return m_editing; }

protected:
    RecordPanel(Services &services, QWidget *surface, TipPanel &tips, ReminderStores &stores);

    // Each button's release runs its handler with the release point.
    template<class Panel>
    void
    onReleased(std::initializer_list<std::pair<LumoButton *, void (Panel::*)(int, int)>> handlers)
    {
        auto *panel = static_cast<Panel *>(this);
        for (const auto &[button, handler] : handlers)
            connect(button, &LumoButton::MouseUp, this,
                    [panel, handler](int, int, int x, int y) { (panel->*handler)(x, y); });
    }
    static void setButtons(std::initializer_list<LumoButton *> enable,
                           std::initializer_list<LumoButton *> disable);

    Services &m_services;
    QWidget *m_surface;
    TipPanel &m_tips;
    ReminderStores &m_stores;
    bool m_adding = false;
    bool m_editing = false;
};

// A record panel over a calendar (bills, events): the day selected and last clicked, the
// start-up check's flag and the announcing mode of a new day.
class DayRecordPanel : public RecordPanel
{
    Q_OBJECT
public:
    // Cleared at a change of date before the start-up date check runs again.
    void setStartupDone(bool done) { m_startupDone = done; }
    void setSelectedDate(const QDate &date) { m_selectedDate = date; }
    QDate selectedDate() const { return m_selectedDate; }
    QDate lastClickedDate() const { return m_lastClicked; }
    bool announceMode() const { return m_announce; }

protected:
    DayRecordPanel(Services &services, QWidget *surface, TipPanel &tips, ReminderStores &stores,
                   const Connectivity::State &connectivity);
    // The start of a day's check: the calendar and the selection on today, no day clicked.
    QDate startDay(QCalendarWidget *calendar);

    const Connectivity::State &m_connectivity; // its flags word goes with every sound
    QDate m_selectedDate;
    QDate m_lastClicked;
    bool m_announce = false;
    bool m_startupDone = false;
};
