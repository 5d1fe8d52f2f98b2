#include "reminders/RecordPanel.h"

#include "platform/Clock.h"

#include <QCalendarWidget>
#include <QWidget>

RecordPanel::RecordPanel(Services &services, QWidget *surface, TipPanel &tips,
                         ReminderStores &stores)
    : QObject(surface)
    , m_services(services)
    , m_surface(surface)
    , m_tips(tips)
    , m_stores(stores)
{
}

void RecordPanel::setButtons(std::initializer_list<LumoButton *> enable,
                             std::initializer_list<LumoButton *> disable)
{
    for (LumoButton *button : enable)
        button->setEnabled(true);
    for (LumoButton *button : disable)
        button->setEnabled(false);
}

DayRecordPanel::DayRecordPanel(Services &services, QWidget *surface, TipPanel &tips,
                               ReminderStores &stores, const Connectivity::State &connectivity)
    : RecordPanel(services, surface, tips, stores)
    , m_connectivity(connectivity)
{
    const QDate today = services.clock.now().date();
    m_selectedDate = today;
    m_lastClicked = today.addDays(-1);
}

QDate DayRecordPanel::startDay(QCalendarWidget *calendar)
{
    const QDate today = m_services.clock.now().date();
    calendar->setSelectedDate(today);
    m_selectedDate = today;
    m_lastClicked = today.addDays(-1);
    return today;
}
