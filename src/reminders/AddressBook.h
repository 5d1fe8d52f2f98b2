#pragma once

#include "reminders/AddressFields.h"
#include "reminders/ReminderStores.h"

#include <optional>

// The address book over its database, without any widget: the searches that make a new
// current recordset, the selected contact, and storing, changing and removing contacts.
//
// The selected contact is the row a list selection found. It is kept apart from the current
// recordset, which every search replaces, so that "Edit" and "Delete" act on the contact the
// boxes show even after the user has typed into the search box meanwhile.
class AddressBook
{
public:
    explicit AddressBook(ReminderDatabase &database);

    Recordset &current() { return m_database.current; }

    // The whole table, in table order.
    void showAll();
    // Every contact whose last name begins with the text (case ignored); all of them for an
    // empty text.
    void search(const QString &text);
    // After a search that found nothing: the text shortened one character at a time until the
    // search finds a contact or the text is empty. That last search stays current.
    QString shortenUntilFound(QString text);

    // The first contact, in table order, with the last name of a list entry; the entry's text
    // is tried without surrounding blanks first, then as it is (a name stored with blanks).
    // Makes that query current. False when no contact has the name any more.
    bool select(const QString &entryText);
    bool hasSelection() const { return m_selected.has_value(); }
    // The selected contact's values; empty texts without a selection.
    Contact selected();
    void clearSelection() { m_selected.reset(); }

    // Stores a new contact through the current recordset: it also joins that result.
    bool add(const Contact &contact);
    // Changes the selected contact.
    bool change(const Contact &contact);
    // Removes the selected contact; the selection ends.
    bool removeSelected();
    // Why the last add, change or remove failed.
    const StoreError &lastError() const { return m_error; }

private:
    bool write(Recordset &rows, const Contact &contact);
    bool fail(const StoreError &error);

    ReminderDatabase &m_database;
    std::optional<Recordset> m_selected; // cursor on the selected contact
    StoreError m_error;
};
