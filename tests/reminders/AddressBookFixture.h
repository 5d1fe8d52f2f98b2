#pragma once

#include "reminders/AddressBookPanel.h"
#include "reminders/StoreFiles.h"
#include "support/DashboardFixture.h"
#include "widgets/LumoButton.h"
#include "widgets/ReleaseRule.h"

#include <QFrame>
#include <QLineEdit>
#include <QListWidget>
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
    QListWidget *list() { return find<QListWidget>("lstAddress"); }
    QLineEdit *box(const char *name) { return find<QLineEdit>(name); }
    LumoButton *button(const char *name) { return find<LumoButton>(name); }
    QStringList listed()
    {
        QStringList names;
        for (int i = 0; i < list()->count(); ++i)
            names << list()->item(i)->text();
        return names;
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
        const auto found = list()->findItems(name, Qt::MatchExactly);
        ASSERT_FALSE(found.isEmpty()) << name.toStdString();
        panel().onLstAddressClick(list()->row(found.first()));
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
