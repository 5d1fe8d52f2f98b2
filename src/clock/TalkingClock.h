#pragma once

#include "clock/TimeAnnouncement.h"
#include "platform/Connectivity.h"
#include "platform/Services.h"

#include <QObject>

#include <array>
#include <functional>

class AlarmPanel;
class QAction;
class QTimer;
class QWidget;

// Speaks the time every quarter, half or whole hour: the hour word, a short gap, then the
// quarter or o'clock word, from the application folder's "Times" folder.
class TalkingClock : public QObject
{
    Q_OBJECT
public:
    // The "Announce Time" items in menu order: every 15 minutes, every 30, every hour.
    using IntervalItems = std::array<QAction *, 3>;

    TalkingClock(Services &services, QWidget *surface, const AlarmPanel &alarm,
                 const IntervalItems &items, const Connectivity::State &connectivity);

    // The "Clock"/"Talk" mode and the interval check marks.
    void load();

    // After each second's redraw of the clock face.
    void onClockTick();
    // The pause between the hour and the word after it has passed.
    void onTimerTalkGap();
    // An "Announce Time" item clicked; mode 1, 2 or 3.
    void onMnuIntervalClick(int mode);

    // Where the dashboard's own state is read. Defaults: the alarm panel's snoozed flag and
    // the music player's play state.
    void setSnoozedCheck(std::function<bool()> snoozed) { m_snoozed = std::move(snoozed); }
    void setMusicPlayingCheck(std::function<bool()> playing)
    {
        m_musicPlaying = std::move(playing);
    }

    int checkedMode() const { return m_checked; }
    QTimer *gapTimer() const { return m_gap; }
    bool speaking() const;

private:
    void setCheckMarks(int mode);
    void say(const QString &word);
    void playWave(const QString &word);
    TimeAnnouncement::Mode storedMode() const;

    Services &m_services;
    IntervalItems m_items;
    QTimer *m_gap;
    std::function<bool()> m_snoozed;
    std::function<bool()> m_musicPlaying;
    const Connectivity::State &m_connectivity; // its flags word goes with every word said
    AnnouncementSchedule m_schedule;
    int m_checked = 0; // the item whose mark is on, 0 for none
    TimeAnnouncement::Mode m_speakingMode = TimeAnnouncement::Off;
    QDateTime m_speakingSince;
    bool m_awaitingHour = false;
};
