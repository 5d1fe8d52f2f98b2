#pragma once

#include <QDate>
#include <QStringList>

// The days between the last run and today, as the missed-days panel lists them.
namespace MissedDayList {

// The date texts of the days strictly between the last run and today, yesterday first.
// The gap is counted in a 16-bit signed day count: a last-run text that is no date, a
// gap beyond that count, or a last run today, yesterday or later lists nothing.
QStringList between(const QString &lastUsedText, const QDate &today);

} // namespace MissedDayList
