// The page buttons of the address book: the guided entry of a new or changed contact, delete,
// cancel, close, and "View Address Book".
#include "reminders/AddressBookPanel.h"

#include "platform/Prompter.h"
#include "widgets/LumoButton.h"
#include "widgets/ReleaseRule.h"
#include "widgets/TipPanel.h"

#include <QFrame>
#include <QLineEdit>

namespace {

bool pageButtonReleased(int x, int y)
{
    return releasedInside({x, y}, {kPageButtonWidth, kPageButtonHeight});
}

} // namespace

void AddressBookPanel::enableOnly(unsigned buttons)
{
    m_ui.add->setEnabled(buttons & Add);
    m_ui.edit->setEnabled(buttons & Edit);
    m_ui.save->setEnabled(buttons & Save);
    m_ui.remove->setEnabled(buttons & Delete);
    m_ui.cancel->setEnabled(buttons & Cancel);
    m_ui.close->setEnabled(buttons & Close);
}

// Top right, where the tip leaves the boxes being filled in readable.
void AddressBookPanel::showTip(const QString &text)
{
    m_tips.show(text, QPoint(7200, 60));
}

void AddressBookPanel::reportFailure()
{
    m_services.prompter.tell(m_book.lastError().text(), QStringLiteral("Orvane Error"),
                             Prompter::Icon::Critical);
}

void AddressBookPanel::onCmdViewAddressReleased(int x, int y)
{
    if (!releasedInside({x, y}, {kViewButtonWidth, kViewButtonHeight}))
        return;
    showPages();
    Enabled_False_Address();
    // "Delete Address" only while the boxes show a contact to delete.
    enableOnly(Add | Close | (m_book.hasSelection() ? Delete : 0u));
    m_book.showAll();
    Show_All3();
    m_tips.show(QStringLiteral("To add a new address, click the ADD ADDRESS button\n\n"
                               "To delete or edit an address hightlight the address then click "
                               "the DELETE ADDRESS or EDIT ADDRESS button."),
                QPoint(4800, 4755));
}

void AddressBookPanel::onCmdAddAddressReleased(int x, int y)
{
    if (!pageButtonReleased(x, y))
        return;
    Set_Boxes();
    Enable_True_Address();
    enableOnly(Cancel | Save | Close);
    m_editing = false;
    m_adding = true;
    showTip(QStringLiteral("Unlike Bills and Events, you can leave out any field.\n"
                           "When you have finished click the SAVE ADDRESS button"));
}

void AddressBookPanel::onCmdEditAddressReleased(int x, int y)
{
    if (!pageButtonReleased(x, y) || !m_book.hasSelection())
        return;
    Enable_True_Address();
    enableOnly(Cancel | Save | Close);
    m_adding = false;
    m_editing = true;
    showTip(QStringLiteral("To edit an address select any or all fields to be changed then "
                           "click the SAVE ADDRESS button\n\nClick CANCEL to stop"));
}

void AddressBookPanel::onCmdSaveAddressReleased(int x, int y)
{
    if (!pageButtonReleased(x, y))
        return;
    // Blanks alone are no name: such a contact could not be told apart in the list.
    if (Database_data_Address().value(lastNameIndex()).trimmed().isEmpty()) {
        m_services.prompter.tell(QStringLiteral("Last Name field must be filled in"),
                                 QStringLiteral("Orvane Error: Missing Data"),
                                 Prompter::Icon::None);
        return;
    }
    bool saved = false;
    if (m_adding)
        saved = add3();
    else if (m_editing)
        saved = edit3();
    if (saved) {
        enableOnly(Add | Close);
        m_tips.hide(); // the entry is complete
    }
}

bool AddressBookPanel::add3()
{
    return finishSave(m_book.add(Database_data_Address()));
}

bool AddressBookPanel::edit3()
{
    return finishSave(m_book.change(Database_data_Address()));
}

// After an add or a change: the boxes emptied and locked, and the whole book listed, with a
// new contact at its end. A refused write keeps the entry open.
bool AddressBookPanel::finishSave(bool stored)
{
    if (!stored) {
        reportFailure();
        return false;
    }
    Set_Boxes();
    clearSearchQuietly();
    enableOnly(Add | Close);
    m_book.showAll();
    List_Addresses();
    return true;
}

void AddressBookPanel::onCmdDeleteAddressReleased(int x, int y)
{
    if (!pageButtonReleased(x, y) || !m_book.hasSelection())
        return;
    const Prompter::Answer answer = m_services.prompter.ask(
        {QStringLiteral("Are You Sure You Want To Delete This Address"),
         QStringLiteral("Delete Address"), Prompter::Icon::None, Prompter::Buttons::YesNo});
    if (answer != Prompter::Answer::Yes)
        return;
    if (!m_book.removeSelected()) {
        reportFailure();
        return;
    }
    m_book.showAll();
    List_Addresses();
    Set_Boxes();
    enableOnly(Add | Close);
}

void AddressBookPanel::onCmdCancelAddressReleased(int x, int y)
{
    if (!pageButtonReleased(x, y))
        return;
    Set_Boxes();
    enableOnly(Add | Close);
    m_book.showAll();
    List_Addresses();
    showTip(QStringLiteral("You have choosen to cancel the address. To add a new address click "
                           "the ADD ADDRESS button"));
}

void AddressBookPanel::onCmdCloseAddressReleased(int x, int y)
{
    if (!pageButtonReleased(x, y))
        return;
    m_ui.page1->hide();
    m_ui.page2->hide();
    m_tips.hide();
}
