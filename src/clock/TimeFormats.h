#pragma once

#include <QDate>
#include <QString>
#include <QTime>

// The three named time formats of the clock face, with the designators AM and PM.
namespace TimeFormats {

QString shortTime(const QTime &t);  // 17:45
QString mediumTime(const QTime &t); // 05:45 PM
QString longTime(const QTime &t);   // 5:45:12 PM

// The display rule: 24-hour mode shows the short form; 12-hour mode the long form with
// seconds and the medium form without.
QString display(const QTime &t, int timeFormat, int showSeconds);

} // namespace TimeFormats
