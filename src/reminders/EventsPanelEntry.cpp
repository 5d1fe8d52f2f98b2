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
const QPoint kListTipPlace(4425, 1125);

void enable(std::initializer_list<LumoButton *> buttons, bool on)
{
    for (LumoButton *b : buttons)
        b->setEnabled(on);
}
} // namespace

void EventsPanel::Set_Inputs()
{
    m_c.type->setEditText(QString());
    m_c.type->setLocked(true);
    for (QLineEdit *box : {m_c.title, m_c.msg, m_c.date, m_c.notify}) {
        box->setReadOnly(true);
        box->clear();
    }
}

void EventsPanel::setEntryLocked(bool locked)
{
    m_c.type->setLocked(locked);
    for (QLineEdit *box : {m_c.date, m_c.notify, m_c.title, m_c.msg})
        box->setReadOnly(locked);
}

EventRecord EventsPanel::entryFields() const
{
    return {m_c.type->currentText(), m_c.title->text(), m_c.msg->text(), m_c.date->text(),
            m_c.notify->text()};
}

bool EventsPanel::hasCurrentRow()
{
    return current().hasCurrentRow();
}

void EventsPanel::setRowButtonsEnabled(bool wanted)
{
    const bool on = wanted && hasCurrentRow();
    m_c.edit->setEnabled(on);
    m_c.remove->setEnabled(on);
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
    const StoreError &error = current().lastError();
    m_services.prompter.tell(QStringLiteral("%1 (%2)").arg(error.description).arg(error.number),
                             EventTexts::kErrorTitle, Prompter::Icon::Critical);
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
    enable({m_c.save, m_c.cancel, m_c.close, m_c.remove}, false);
    m_c.add->setEnabled(true);
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
    enable({m_c.save, m_c.cancel, m_c.remove}, false);
    enable({m_c.add, m_c.close}, true);
    makeTableCurrent();
    List_Events();
    m_adding = m_editing = false;
    return true;
}

void EventsPanel::onCmdAddEventReleased(int x, int y)
{
    if (!releasedInside({x, y}, kButtonArea))
        return;
    m_c.type->setEditText(QString());
    for (QLineEdit *box : {m_c.title, m_c.msg, m_c.date, m_c.notify})
        box->clear();
    setEntryLocked(false);
    m_c.date->setText(DateText::toText(m_selectedDate));
    enable({m_c.add, m_c.remove, m_c.edit, m_c.close}, false);
    enable({m_c.cancel, m_c.save}, true);
    m_adding = true;
    m_editing = false;
    m_guide->setTip(EventTexts::kAddTip);
}

void EventsPanel::onCmdEditEventReleased(int x, int y)
{
    if (!releasedInside({x, y}, kButtonArea) || !askForSelection())
        return;
    setEntryLocked(false);
    enable({m_c.add, m_c.remove, m_c.edit, m_c.close}, false);
    enable({m_c.cancel, m_c.save}, true);
    m_editing = true;
    m_adding = false;
    m_guide->setTip(EventTexts::kEditTip);
}

void EventsPanel::onCmdSaveEventReleased(int x, int y)
{
    if (!releasedInside({x, y}, kButtonArea))
        return;
    m_c.picCal->hide();
    // A refused save keeps the entry open with its values and the buttons as they were.
    const bool saved = m_adding ? add() : m_editing ? edit() : true;
    if (!saved)
        return;
    enable({m_c.close, m_c.add}, true);
    setRowButtonsEnabled(true);
    enable({m_c.cancel, m_c.save}, false);
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
    enable({m_c.save, m_c.cancel}, false);
    enable({m_c.add, m_c.close}, true);
    setRowButtonsEnabled(true);
}

void EventsPanel::onCmdCancelEventReleased(int x, int y)
{
    if (!releasedInside({x, y}, kButtonArea))
        return;
    m_c.picCal->hide();
    Set_Inputs();
    enable({m_c.cancel, m_c.save, m_c.remove}, false);
    enable({m_c.add, m_c.close}, true);
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
    m_c.panel->hide();
    m_surface->window()->setFocus();
    m_c.picCal->hide();
    // Out of the way of the calendar from now on.
    m_c.panel->move(twips(180), twips(60));
    m_tips.hide();
}

void EventsPanel::onCmdViewAllEventsReleased(int x, int y)
{
    if (!releasedInside({x, y}, kViewAllArea))
        return;
    Set_Inputs();
    enable({m_c.save, m_c.cancel, m_c.edit, m_c.remove}, false);
    enable({m_c.close, m_c.add}, true);
    makeTableCurrent();
    showPanel();
    Show_All();
    m_tips.show(EventTexts::kListHint, kListTipPlace);
}
