#include "reminders/AddressBookPanel.h"

#include "platform/AppFolder.h"
#include "reminders/ReminderStores.h"
#include "widgets/TipPanel.h"

#include <QWidget>

AddressBookPanel::AddressBookPanel(Services &services, QWidget *surface, TipPanel &tips,
                                   ReminderStores &stores)
    : QObject(surface)
    , m_services(services)
    , m_surface(surface)
    , m_tips(tips)
    , m_stores(stores)
{
}

void AddressBookPanel::load()
{
    m_stores.openAddressBook(m_services.appFolder.path(QStringLiteral("\\Address.mdb")));
}
