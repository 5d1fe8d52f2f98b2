#pragma once

#include "clock/TimeFormats.h"
#include "platform/Services.h"

#include <QList>
#include <QObject>

class QAction;
class ClockFaceLabel;
class QLabel;
class QTimer;
class QWidget;

// The clock face: the time in large shadowed figures (lblClock, indices 0 and 1, told apart
// by their "index" property), the 12/24-hour and seconds choices, and midnight detection.
class ClockPanel : public QObject
{
    Q_OBJECT
public:
    ClockPanel(Services &services, QWidget *surface, QAction *show24Hour, QAction *showSeconds);

    // The stored choices, the time shown, the check marks.
    void load();
    void setCurrentDay(const QDate &day) { m_days.setDay(day); }
    QDate currentDay() const { return m_days.day(); }
    // After the load: the second's redraw (TimerClock2) and the midnight check (TimerClock).
    void start();

    void onTimerClock2(); // every second: the time, then the talking clock
    void onTimerClock();  // midnight detection
    void onMnuShow24HourClick();
    void onMnuShowSecondsClick();

    int timeFormat() const { return m_timeFormat; }
    int showSeconds() const { return m_showSeconds; }
    QString shownText() const;

Q_SIGNALS:
    // After each second's redraw; the talking clock listens.
    void ticked(const QTime &now);
    // A new day (forwards, backwards or several at once): once per new day.
    void dayChanged(const QDate &today);

private:
    void show(const QString &text);

    Services &m_services;
    QList<ClockFaceLabel *> m_lblClock;
    QAction *m_mnu24Hour;
    QAction *m_mnuShowSeconds;
    QTimer *m_timerClock, *m_timerClock2;
    int m_timeFormat = 12;
    int m_showSeconds = 1;
    DayWatch m_days;
};
