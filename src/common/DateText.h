#pragma once

#include <QDate>
#include <QString>

// Dates as the databases and settings store them: "MM/dd/yyyy", whatever the user's locale.
namespace DateText {

// "06/05/2002"; empty for an invalid date.
QString toText(const QDate &date);
// Only the exact ten-character shape; anything else is an invalid date.
QDate fromText(const QString &text);
// The day part of a stored date ("05" for "06/05/2002"); empty without two '/'.
QString dayText(const QString &dateText);
// "Wednesday, Dec 9 2026", always in English; empty for an invalid date.
QString dateCaption(const QDate &date);

} // namespace DateText
