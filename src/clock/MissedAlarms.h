#pragma once

#include <QDateTime>
#include <QString>

// What the program says about an alarm that did not ring on time.
namespace MissedAlarms {

// The title the user gave a slot, from its label line ("7:30:00 AM: Dentist"); empty for
// none or the title box's placeholder.
QString titleOf(const QString &labelLine);
// "Alarm 3 'Dentist' at 7:30 AM on 12/09/2026 was missed"
QString missedText(int slot, const QString &labelLine, const QDateTime &at);
// "Alarm 1 rang 4 minutes late: the computer was asleep"
QString lateText(int slot, const QDateTime &at, const QDateTime &now);

} // namespace MissedAlarms
