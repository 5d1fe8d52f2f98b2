#include "reminders/MissedDays.h"

#include "common/DateText.h"
#include "common/Twips.h"
#include "platform/Clock.h"
#include "platform/SettingsStore.h"
#include "reminders/BillsPanel.h"
#include "reminders/EventsPanel.h"
#include "reminders/MissedDayList.h"
#include "reminders/ReminderQueries.h"
#include "reminders/ReminderStores.h"

#include <QFrame>
#include <QLabel>
#include <QListWidget>

namespace {
const QString kSection = QStringLiteral("system");
const QString kLastUsed = QStringLiteral("LastUsed");
const QString kNote = QStringLiteral("note");
} // namespace

MissedDays::MissedDays(Services &services, QWidget *surface, ReminderStores &stores,
                       EventsPanel &events, BillsPanel &bills)
    : QObject(surface)
    , m_services(services)
    , m_panel(surface->findChild<QFrame *>(QStringLiteral("picWarning")))
    , m_stores(stores)
    , m_events(events)
    , m_bills(bills)
{
    QWidget *parent = m_panel ? static_cast<QWidget *>(m_panel) : surface;
    m_heading = new QLabel(QStringLiteral("Days Orvane did not run:"), parent);
    m_heading->setGeometry(twips(180), twips(120), parent->width() - twips(360), twips(285));
    m_list = new QListWidget(parent);
    m_list->setObjectName(QStringLiteral("List1"));
    m_list->setAccessibleName(QStringLiteral("Missed days"));
    // A missed alarm's line is longer than the panel is wide.
    m_list->setWordWrap(true);
    m_list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // Leaves room for the panel's "Close" button along the bottom.
    m_list->setGeometry(twips(180), twips(450), parent->width() - twips(360),
                        parent->height() - twips(450) - 26 - twips(300));
    connect(m_list, &QListWidget::itemClicked, this, &MissedDays::onList1Click);
    connect(m_list, &QListWidget::itemActivated, this, &MissedDays::onList1Click);
}

void MissedDays::check()
{
    const QDate today = m_services.clock.now().date();
    const QString lastUsed
        = m_services.settings.getSetting(kSection, kLastUsed, QStringLiteral("1"));
    const QStringList days = MissedDayList::between(lastUsed, today);
    if (!days.isEmpty()) {
        if (m_panel)
            m_panel->show();
        m_list->addItems(days);
    }
    m_services.settings.saveSetting(kSection, kLastUsed, DateText::toText(today));
}

void MissedDays::addNotes(const QStringList &lines)
{
    if (lines.isEmpty())
        return;
    if (m_panel)
        m_panel->show();
    m_heading->setText(QStringLiteral("Missed days and alarms:"));
    m_list->setAccessibleName(QStringLiteral("Missed days and alarms"));
    for (const QString &line : lines) {
        auto *item = new QListWidgetItem(line, m_list);
        item->setData(Qt::UserRole, kNote);
    }
}

void MissedDays::onList1Click()
{
    const QListWidgetItem *item = m_list->currentItem();
    if (!item || item->data(Qt::UserRole).toString() == kNote)
        return;
    const QString date = item->text().trimmed();
    const QString day = DateText::dayText(date);
    const QDate asDate = DateText::fromText(date);

    ReminderDatabase &bills = m_stores.bills();
    if (bills.store.isOpen()) {
        m_bills.setSelectedDate(asDate);
        bills.current = ReminderQueries::billsByNotifyDate(bills.store, date);
        m_bills.Missed_Bills();
        if (!day.isEmpty()) {
            bills.current = ReminderQueries::billsByNotifyDate(bills.store, day);
            m_bills.Missed_Bills();
        }
        bills.current = ReminderQueries::billsByDueDate(bills.store, date);
        m_bills.Missed_Bills();
    }

    ReminderDatabase &events = m_stores.events();
    if (events.store.isOpen()) {
        m_events.setSelectedDate(asDate);
        events.current = ReminderQueries::eventsByNotifyDate(events.store, date);
        m_events.Missed_Events();
        events.current = ReminderQueries::eventsByDate(events.store, date);
        m_events.Missed_Events();
    }
}
