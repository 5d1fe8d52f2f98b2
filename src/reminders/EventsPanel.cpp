#include "reminders/EventsPanel.h"

#include "common/DateText.h"
#include "common/ScopedFlag.h"
#include "platform/AppFolder.h"
#include "platform/Clock.h"
#include "platform/Prompter.h"
#include "platform/SoundPlayer.h"
#include "reminders/EventRecord.h"
#include "reminders/EventTexts.h"
#include "reminders/EventsGuide.h"
#include "reminders/ListWidgetFill.h"
#include "reminders/ReminderQueries.h"
#include "reminders/ReminderStores.h"
#include "widgets/LumoButton.h"
#include "widgets/TipPanel.h"

#include <QCalendarWidget>
#include <QFrame>
#include <QLineEdit>
#include <QListWidget>

namespace {
const QString kTitleField = QStringLiteral("Title");
const QPoint kMissedTipPlace(3750, 6495);
} // namespace

EventsPanel::EventsPanel(Services &services, QWidget *surface, TipPanel &tips,
                         ReminderStores &stores, const Connectivity::State &connectivity)
    : DayRecordPanel(services, surface, tips, stores, connectivity)
    , m_ui(EventControls::build(surface, services))
{
    m_ui.monthView1->setSelectedDate(m_selectedDate);
    m_guide = std::make_unique<EventsGuide>(services, m_ui, tips);

    connect(m_ui.monthView1, &QCalendarWidget::clicked, this, &EventsPanel::onMonthView1DateClick);
    connect(m_ui.monthView1, &QCalendarWidget::activated, this,
            &EventsPanel::onMonthView1DateClick);
    connect(m_ui.calSearch, &QComboBox::activated, this, &EventsPanel::onCboCALSearchClick);
    connect(m_ui.list, &QListWidget::itemClicked, this, &EventsPanel::onLstDataClick);
    connect(m_ui.list, &QListWidget::itemActivated, this, &EventsPanel::onLstDataClick);
    onReleased<EventsPanel>({
        {m_ui.add, &EventsPanel::onCmdAddEventReleased},
        {m_ui.edit, &EventsPanel::onCmdEditEventReleased},
        {m_ui.save, &EventsPanel::onCmdSaveEventReleased},
        {m_ui.remove, &EventsPanel::onCmdDeleteEventReleased},
        {m_ui.cancel, &EventsPanel::onCmdCancelEventReleased},
        {m_ui.close, &EventsPanel::onCmdCloseEventsReleased},
        {m_ui.viewAll, &EventsPanel::onCmdViewAllEventsReleased},
    });

    // Viewing, with nothing shown: only "Add Event" and "Close" are offered.
    Set_Inputs();
    setButtons({}, {m_ui.edit, m_ui.save, m_ui.remove, m_ui.cancel});
}

EventsPanel::~EventsPanel() = default;

void EventsPanel::dateStartup()
{
    const ScopedFlag announcing(m_announce);
    const QDate today = startDay(m_ui.monthView1);
    m_stores.openEvents(m_services.dataFolder.path(QStringLiteral("\\Events.mdb")));
    List_Start_Events();
    onMonthView1DateClick(today);
    m_startupDone = true;
}

void EventsPanel::onMonthView1DateClick(const QDate &date)
{
    if (m_startupDone && date == m_lastClicked)
        return;
    m_selectedDate = date;
    ReminderDatabase &events = m_stores.events();
    const QString text = DateText::toText(date).trimmed();
    events.current = m_announce ? ReminderQueries::eventsByNotifyDate(events.store, text)
                                : ReminderQueries::eventsByDate(events.store, text);
    List_Day_Events();
    m_lastClicked = m_ui.monthView1->selectedDate();
}

void EventsPanel::onCboCALSearchClick()
{
    ReminderDatabase &events = m_stores.events();
    events.current = ReminderQueries::eventsByType(events.store, m_ui.calSearch->currentText());
    List_Events();
}

void EventsPanel::onLstDataClick()
{
    const QListWidgetItem *item = m_ui.list->currentItem();
    if (!item)
        return;
    ReminderDatabase &events = m_stores.events();
    // Values are bound as typed, so the title needs no doubling of its apostrophes.
    events.current = ReminderQueries::eventByTitle(events.store, item->text().trimmed());
    if (events.current.recordCount() == 0 && item->text() != item->text().trimmed())
        events.current = ReminderQueries::eventByTitle(events.store, item->text());
    events.current.moveFirst();
    EventRecord row;
    if (!row.readCurrent(events.current))
        return;
    m_ui.title->setText(row.title);
    m_ui.type->setEditText(row.type);
    m_ui.msg->setText(row.msg);
    m_ui.date->setText(row.date);
    m_ui.notify->setText(row.notifyDate);
    m_ui.edit->setEnabled(true);
    m_ui.remove->setEnabled(true);
    m_ui.add->setEnabled(true);
    m_guide->setTip(EventTexts::kSelectedTip);
}

void EventsPanel::List_Day_Events()
{
    if (current().recordCount() > 0) {
        playNotify();
        fillList();
        showPanel();
        return;
    }
    showEmptyDay();
    m_ui.panel->hide();
    m_ui.list->clear();
    Set_Inputs();
    if (!m_startupDone)
        return;
    m_ui.edit->setEnabled(false);
    m_ui.remove->setEnabled(false);
    const auto answer
        = m_services.prompter.ask({EventTexts::kEmptyDayQuestion, EventTexts::kEmptyDayTitle,
                                   Prompter::Icon::None, Prompter::Buttons::YesNo});
    if (answer != Prompter::Answer::Yes)
        return;
    showPanel();
    m_tips.show(EventTexts::kListHint, kListTipPlace);
}

void EventsPanel::List_Events()
{
    if (current().recordCount() > 0) {
        fillList();
        playNotify();
        showPanel();
        return;
    }
    showEmptyDay();
    m_ui.list->clear();
    Set_Inputs();
}

void EventsPanel::List_Start_Events()
{
    if (current().recordCount() > 0)
        fillList();
    else
        showEmptyDay();
}

void EventsPanel::Show_All()
{
    // An empty store leaves the list empty, where its hint says so.
    if (current().recordCount() == 0) {
        m_ui.list->clear();
        return;
    }
    fillListWidget(*m_ui.list, current(), kTitleField, ListFill::Mode::Replace);
    setRowButtonsEnabled(false);
}

void EventsPanel::Missed_Events()
{
    if (current().recordCount() == 0)
        return;
    m_tips.show(EventTexts::kMissedTip, kMissedTipPlace);
    play(QStringLiteral("\\Sounds\\notify1.wav"));
    fillList();
    showPanel();
    m_ui.list->setCurrentRow(0);
    onLstDataClick();
}

Recordset &EventsPanel::current()
{
    return m_stores.events().current;
}

void EventsPanel::makeTableCurrent()
{
    ReminderDatabase &events = m_stores.events();
    events.current = events.store.openTable(QStringLiteral("events"));
}

void EventsPanel::playNotify()
{
    play(QStringLiteral("\\Sounds\\notify2.wav"));
}

void EventsPanel::play(const QString &sound)
{
    playSound(m_services.sound, m_services.appFolder.path(sound), m_connectivity.flags);
}

void EventsPanel::showPanel()
{
    m_ui.panel->show();
    m_ui.panel->raise();
}

int EventsPanel::fillList()
{
    const int rows = fillListWidget(*m_ui.list, current(), kTitleField, ListFill::Mode::Replace);
    // The count box is not repainted during the fill, so setting it once shows the same.
    m_ui.noEvents->setText(EventTexts::countText(rows));
    setRowButtonsEnabled(false);
    return rows;
}

void EventsPanel::showEmptyDay()
{
    m_ui.noEvents->setText(EventTexts::emptyDayText(DateText::toText(m_selectedDate)));
}
