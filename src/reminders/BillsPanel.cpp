#include "reminders/BillsPanel.h"

#include "platform/AppFolder.h"
#include "reminders/ReminderStores.h"
#include "widgets/TipPanel.h"

#include <QDate>
#include <QWidget>

BillsPanel::BillsPanel(Services &services, QWidget *surface, TipPanel &tips,
                         ReminderStores &stores)
    : QObject(surface)
    , m_services(services)
    , m_surface(surface)
    , m_tips(tips)
    , m_stores(stores)
{
}

void BillsPanel::dateStartup()
{
    m_stores.openBills(m_services.appFolder.path(QStringLiteral("\\Bills.mdb")));
}

void BillsPanel::setStartupDone(bool) {}

void BillsPanel::Missed_Bills() {}

void BillsPanel::setSelectedDate(const QDate &) {}
