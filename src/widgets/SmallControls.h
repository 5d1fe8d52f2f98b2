#pragma once

#include <QRect>
#include <QString>

class LumoButton;
class QCalendarWidget;
class QLabel;
class QWidget;
struct Services;

// The small controls every panel builds, in one look: raised buttons and labels in the small
// font the longest captions ("View Address Book", "Delete Event") need to fit.
void setSmallFont(QWidget *widget);
// A raised button in the small font; "name" is its object name, the caption its accessible name.
LumoButton *smallButton(const QString &caption, const char *name, QWidget *parent,
                        Services &services);
// A calendar with the month arrows named for screen readers, which Qt leaves unnamed.
QCalendarWidget *namedCalendar(QWidget *parent, const char *name);
// A label at a place in pixels, named when a name is given.
QLabel *placedLabel(const QString &text, QWidget *parent, const QRect &place,
                    const char *name = nullptr);
