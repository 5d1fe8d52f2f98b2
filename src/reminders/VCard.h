#pragma once

#include "reminders/AddressFields.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

// Contacts as vCard, the format address books and phones exchange: versions 2.1 (quoted-
// printable values), 3.0 and 4.0 are read, 4.0 is written, in UTF-8. Every field of the
// address book has its property; a value longer than its field takes is cut to fit and kept
// whole in the comments, so nothing is lost without a word.
namespace VCard {

struct Cards
{
    QList<Contact> contacts;
    QStringList skipped; // "<name or card n>: why", one per card left out
};

// nullopt with `error` set when the text is not vCard at all (no card, not UTF-8).
std::optional<Cards> parse(const QByteArray &content, QString *error);
QByteArray serialize(const QList<Contact> &contacts);

} // namespace VCard
