#pragma once

#include "reminders/AddressBookPanel.h"
#include "reminders/AddressNameList.h"
#include "reminders/StoreFiles.h"
#include "support/DashboardFixture.h"
#include "widgets/LumoButton.h"
#include "widgets/ReleaseRule.h"

#include <QFrame>
#include <QLineEdit>
#include <QListView>
#include <QPlainTextEdit>
#include <QTest>

// A dashboard whose address book holds the given contacts before it loads; the book is
// reached through its controls and handlers, and checked in the file.
class AddressBookFixture : public DashboardFixture
{
protected:
    AddressBookFixture() { setSetting("System", "AutoHide", "True"); }

    void seed(const QList<QStringList> &contacts) // {last name, first name}
    {
        RecordStore store;
        store.open(appPath("Address.mdb"));
        Recordset rows = store.openTable(QStringLiteral("AddressBook"));
        for (const QStringList &c : contacts)
            addContact(rows, c.value(0), c.value(1));
    }
    AddressBookPanel &panel() { return *dashboard().findChild<AddressBookPanel *>(); }
    QLineEdit *search() { return find<QLineEdit>("txtSearch"); }
    QListView *list() { return find<QListView>("lstAddress"); }
    QLineEdit *box(const char *name) { return find<QLineEdit>(name); }
    LumoButton *button(const char *name) { return find<LumoButton>(name); }
    // What the list shows, entry by entry, as the view asks for it.
    QStringList listed()
    {
        const AddressNameList &names = *panel().controls().names;
        QStringList shown;
        for (int row = 0; row < names.rowCount(); ++row)
            shown << names.data(names.index(row)).toString();
        return shown;
    }
    QStringList messages()
    {
        QStringList texts;
        for (const Prompter::Message &m : prompter.shown)
            texts << m.text;
        return texts;
    }
    void type(const QString &keys) { QTest::keyClicks(search(), keys); }
    void select(const QString &name)
    {
        const qsizetype row = listed().indexOf(name);
        ASSERT_GE(row, 0) << name.toStdString();
        panel().onLstAddressClick(int(row));
    }
    // Which of the six page buttons are enabled, by caption.
    QStringList enabledButtons()
    {
        QStringList on;
        for (const char *name : {"cmdAddAddress", "cmdEditAddress", "cmdSaveAddress",
                                 "cmdDeleteAddress", "cmdCancelAddress", "cmdCloseAddress"})
            if (button(name)->isEnabled())
                on << button(name)->text();
        return on;
    }
    // A query on the file, as another program sees it.
    QString stored(const char *sql)
    {
        OtherProgram file(appPath("Address.mdb"));
        return file.value(sql);
    }
};
