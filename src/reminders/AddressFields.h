#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// The eighteen fields of a contact, each with the box that shows it and the most the box
// takes. Listed in the order in which a contact is written to its row.
struct AddressField
{
    QString field; // in table "AddressBook"
    QString box;   // the entry box's control name
    int limit;     // characters
};

const QList<AddressField> &addressFields();

// The index of the last-name field in addressFields(): the one field a contact must have.
int lastNameIndex();

// A contact's eighteen values, in the order of addressFields().
using Contact = QStringList;
