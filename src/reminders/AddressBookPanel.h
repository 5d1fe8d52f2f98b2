#pragma once

#include "reminders/AddressBook.h"
#include "reminders/AddressControls.h"
#include "reminders/RecordPanel.h"

class ReminderStores;
class TipPanel;
class QWidget;

// The address book: the search box, the contact list and the two address pages with their
// guided entry of a new or changed contact.
class AddressBookPanel : public RecordPanel
{
    Q_OBJECT
public:
    AddressBookPanel(Services &services, QWidget *surface, TipPanel &tips, ReminderStores &stores);

    // Open "\Address.mdb", fill the address list, lock the boxes.
    // Throws OrvaneError when the database cannot be opened.
    void load();

    // Handlers, named after the control and its event; tests call them directly.
    void onTxtSearchChange();
    void onLstAddressClick(int row);
    void onCmdViewAddressReleased(int x, int y);
    void onCmdAddAddressReleased(int x, int y);
    void onCmdEditAddressReleased(int x, int y);
    void onCmdSaveAddressReleased(int x, int y);
    void onCmdDeleteAddressReleased(int x, int y);
    void onCmdCancelAddressReleased(int x, int y);
    void onCmdCloseAddressReleased(int x, int y);

    // The list fill from the current recordset; with nothing found, the message and the
    // search text shortened until something is found.
    void List_Addresses();
    // The list fill from the current recordset, with the message when there is nothing.
    void Show_All3();
    // The selected contact into the boxes; the boxes into a contact.
    void fill_text_address();
    Contact Database_data_Address() const;
    // Empty the boxes and lock them; no contact is selected any more.
    void Set_Boxes();
    void Enabled_False_Address();
    void Enable_True_Address();
    // Store the boxes as a new contact, or into the selected one. False, with the failure
    // reported and the entry left open, when the database refused.
    bool add3();
    bool edit3();

    const AddressControls &controls() const { return m_ui; }
    AddressBook &book() { return m_book; }

private:
    bool finishSave(bool stored);
    enum ButtonSet : unsigned { Add = 1, Edit = 2, Save = 4, Delete = 8, Cancel = 16, Close = 32 };
    // The six page buttons: those in the set enabled, the others disabled.
    void enableOnly(unsigned buttons);
    // The last names of the current recordset into the list; 0, the list untouched, for none.
    int fillList();
    void clearList();
    void showPages();
    void clearSearchQuietly();
    void showTip(const QString &text);
    void reportFailure();

    AddressControls m_ui;
    AddressBook m_book;
};
