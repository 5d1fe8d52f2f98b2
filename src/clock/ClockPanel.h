#pragma once

#include "clock/ClockTicks.h"
#include "platform/Services.h"

#include <QList>
#include <QObject>

class QAction;
class ClockFaceLabel;
class QLabel;
class QTimer;
class QWidget;

// The clock face: the time in large shadowed figures (lblClock, indices 0 and 1, told apart
// by their "index" property) and the 12/24-hour and seconds choices. Its one timer is the
// program's second: each tick redraws the face and then drives the clock's ticks.
class ClockPanel : public QObject
{
    Q_OBJECT
public:
    ClockPanel(Services &services, QWidget *surface, QAction *show24Hour, QAction *showSeconds);

    // The stored choices, the time shown, the check marks.
    void load();
    void setCurrentDay(const QDate &day) { m_ticks->setDay(day); }
    QDate currentDay() const { return m_ticks->day(); }
    // After the load: the second's tick (TimerClock2) runs.
    void start();
    // Seconds, minutes and new days, for whoever needs to know.
    ClockTicks &ticks() const { return *m_ticks; }

    void onTimerClock2(); // every second: the time, then the ticks
    void onMnuShow24HourClick();
    void onMnuShowSecondsClick();

    int timeFormat() const { return m_timeFormat; }
    int showSeconds() const { return m_showSeconds; }
    QString shownText() const;

private:
    void show(const QString &text);

    Services &m_services;
    QList<ClockFaceLabel *> m_lblClock;
    QAction *m_mnu24Hour;
    QAction *m_mnuShowSeconds;
    QTimer *m_timerClock2;
    ClockTicks *m_ticks;
    int m_timeFormat = 12;
    int m_showSeconds = 1;
};
