// The entry side of the events panel: the six buttons, storing an event, locking the boxes.
#include "common/DateText.h"
#include "common/Twips.h"
#include "platform/Prompter.h"
#include "reminders/EventRecord.h"
#include "reminders/EventTexts.h"
#include "reminders/EventsGuide.h"
#include "reminders/EventsPanel.h"
#include "reminders/ReminderStores.h"
#include "widgets/LumoButton.h"
#include "widgets/ReleaseRule.h"
#include "widgets/TipPanel.h"

#include <QFrame>
#include <QLineEdit>

namespace {
constexpr QSize kButtonArea(81, 25);
constexpr QSize kViewAllArea(128, 21);

void enable(std::initializer_list<LumoButton *> buttons, bool on)
{
    for (LumoButton *b : buttons)
        b->setEnabled(on);
}
} // namespace

void EventsPanel::Set_Inputs()
{
    m_ui.type->setEditText(QString());
    m_ui.type->setLocked(true);
    for (QLineEdit *box : {m_ui.title, m_ui.msg, m_ui.date, m_ui.notify}) {
        box->setReadOnly(true);
        box->clear();
    }
}

void EventsPanel::setEntryLocked(bool locked)
{
    m_ui.type->setLocked(locked);
    for (QLineEdit *box : {m_ui.date, m_ui.notify, m_ui.title, m_ui.msg})
        box->setReadOnly(locked);
}

EventRecord EventsPanel::entryFields() const
{
    return {m_ui.type->currentText(), m_ui.title->text(), m_ui.msg->text(), m_ui.date->text(),
            m_ui.notify->text()};
}

bool EventsPanel::hasCurrentRow()
{
    return current().hasCurrentRow();
}

void EventsPanel::setRowButtonsEnabled(bool wanted)
{
    const bool on = wanted && hasCurrentRow();
    m_ui.edit->setEnabled(on);
    m_ui.remove->setEnabled(on);
}

bool EventsPanel::askForSelection()
{
    if (hasCurrentRow())
        return true;
    setRowButtonsEnabled(false);
    m_services.prompter.tell(EventTexts::kSelectFirst, EventTexts::kSelectFirstTitle,
                             Prompter::Icon::Information);
    return false;
}

void EventsPanel::tellStoreError()
{
    m_services.prompter.tell(current().lastError().text(), EventTexts::kErrorTitle,
                             Prompter::Icon::Critical);
}

bool EventsPanel::add()
{
    const EventRecord event = entryFields();
    if (!event.complete()) {
        m_services.prompter.tell(EventTexts::kMissingData, EventTexts::kErrorTitle,
                                 Prompter::Icon::Critical);
        return false;
    }
    if (!event.storeNew(current())) {
        tellStoreError();
        return false;
    }
    Set_Inputs();
    enable({m_ui.save, m_ui.cancel, m_ui.close, m_ui.remove}, false);
    m_ui.add->setEnabled(true);
    List_Events(); // the new row has joined the current recordset
    m_adding = m_editing = false;
    return true;
}

bool EventsPanel::edit()
{
    const EventRecord event = entryFields();
    if (!event.complete()) {
        m_services.prompter.tell(EventTexts::kMissingData, EventTexts::kErrorTitle,
                                 Prompter::Icon::Critical);
        return false;
    }
    // A listing since "Edit Event" leaves no row to change.
    if (!hasCurrentRow()) {
        m_services.prompter.tell(EventTexts::kSelectFirst, EventTexts::kSelectFirstTitle,
                                 Prompter::Icon::Information);
        return false;
    }
    if (!event.storeInto(current())) {
        tellStoreError();
        return false;
    }
    Set_Inputs();
    enable({m_ui.save, m_ui.cancel, m_ui.remove}, false);
    enable({m_ui.add, m_ui.close}, true);
    makeTableCurrent();
    List_Events();
    m_adding = m_editing = false;
    return true;
}

void EventsPanel::onCmdAddEventReleased(int x, int y)
{
    if (!releasedInside({x, y}, kButtonArea))
        return;
    m_ui.type->setEditText(QString());
    for (QLineEdit *box : {m_ui.title, m_ui.msg, m_ui.date, m_ui.notify})
        box->clear();
    setEntryLocked(false);
    m_ui.date->setText(DateText::toText(m_selectedDate));
    enable({m_ui.add, m_ui.remove, m_ui.edit, m_ui.close}, false);
    enable({m_ui.cancel, m_ui.save}, true);
    m_adding = true;
    m_editing = false;
    m_guide->setTip(EventTexts::kAddTip);
}

void EventsPanel::onCmdEditEventReleased(int x, int y)
{
    if (!releasedInside({x, y}, kButtonArea) || !askForSelection())
        return;
    setEntryLocked(false);
    enable({m_ui.add, m_ui.remove, m_ui.edit, m_ui.close}, false);
    enable({m_ui.cancel, m_ui.save}, true);
    m_editing = true;
    m_adding = false;
    m_guide->setTip(EventTexts::kEditTip);
}

void EventsPanel::onCmdSaveEventReleased(int x, int y)
{
    if (!releasedInside({x, y}, kButtonArea))
        return;
    m_ui.picCal->hide();
    // A refused save keeps the entry open with its values and the buttons as they were.
    const bool saved = m_adding ? add() : m_editing ? edit() : true;
    if (!saved)
        return;
    enable({m_ui.close, m_ui.add}, true);
    setRowButtonsEnabled(true);
    enable({m_ui.cancel, m_ui.save}, false);
    m_guide->setTip(EventTexts::kSavedTip);
}

void EventsPanel::onCmdDeleteEventReleased(int x, int y)
{
    if (!releasedInside({x, y}, kButtonArea) || !askForSelection())
        return;
    const auto answer
        = m_services.prompter.ask({EventTexts::kDeleteQuestion, EventTexts::kDeleteTitle,
                                   Prompter::Icon::None, Prompter::Buttons::YesNo});
    if (answer != Prompter::Answer::Yes)
        return;
    if (!current().deleteCurrent())
        tellStoreError();
    makeTableCurrent();
    List_Events();
    Set_Inputs();
    enable({m_ui.save, m_ui.cancel}, false);
    enable({m_ui.add, m_ui.close}, true);
    setRowButtonsEnabled(true);
}

void EventsPanel::onCmdCancelEventReleased(int x, int y)
{
    if (!releasedInside({x, y}, kButtonArea))
        return;
    m_ui.picCal->hide();
    Set_Inputs();
    enable({m_ui.cancel, m_ui.save, m_ui.remove}, false);
    enable({m_ui.add, m_ui.close}, true);
    setEntryLocked(true);
    m_adding = m_editing = false;
    m_guide->setTip(EventTexts::kCancelTip);
    makeTableCurrent();
    List_Events();
}

void EventsPanel::onCmdCloseEventsReleased(int x, int y)
{
    if (!releasedInside({x, y}, kButtonArea))
        return;
    if (m_onClose)
        m_onClose();
    m_ui.panel->hide();
    m_surface->window()->setFocus();
    m_ui.picCal->hide();
    // Out of the way of the calendar from now on.
    m_ui.panel->move(twips(180), twips(60));
    m_tips.hide();
}

void EventsPanel::onCmdViewAllEventsReleased(int x, int y)
{
    if (!releasedInside({x, y}, kViewAllArea))
        return;
    Set_Inputs();
    enable({m_ui.save, m_ui.cancel, m_ui.edit, m_ui.remove}, false);
    enable({m_ui.close, m_ui.add}, true);
    makeTableCurrent();
    showPanel();
    Show_All();
    m_tips.show(EventTexts::kListHint, kListTipPlace);
}
