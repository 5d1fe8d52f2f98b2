#pragma once

#include "music/Transport.h"
#include "platform/Services.h"

#include <QObject>
#include <array>

class ImageButton;
class QCheckBox;
class QLabel;
class QListWidget;
class QTimer;
class QWidget;

// Playing the playlist: the transport buttons, the repeat box, the progress display and
// the music-playing flag the talking clock reads. Plays through the services' music player.
class MusicPlayer : public QObject
{
    Q_OBJECT
public:
    MusicPlayer(Services &services, QWidget *surface, QListWidget *playList);

    // Pictures, buttons, repeat ticked.
    void load();
    // The shown song number never exceeds the playlist's length.
    void keepSongNumberInRange();
    // At close: stop unless nothing is open; Timer1 off.
    void unload();

    // The actions, also run by other panels as a release at (10, 10).
    void playAction();
    void pauseAction();
    void stopAction();
    void nextAction();
    void previousAction();
    void rewindAction();
    void endAction();
    // The alarm's song: opened and played with its progress shown (Timer1), or stopped;
    // the buttons are left as they are.
    void playFile(const QString &path);
    void stopFile();
    // The alarm's Snooze and Stop: Play normal, Stop lit.
    void resetPlayStopPictures();
    // The playlist's delete buttons: stopped look and state (Next off for delete-all).
    void resetToStopped(bool nextEnabled);

    void onTimer1();
    // Release handlers of the transport buttons, positions in twips.
    void onImgReleased(Transport::Button button, int x, int y);

    // What the desktop's media controls show: the state, the song, where it is.
    enum class Status { Stopped, Playing, Paused };
    Status status() const;
    // The song playing or paused (the alarm's while it rings), else the playlist's selected one.
    QString currentPath() const;
    // Its place in the playlist from 0; -1 for the alarm's song or none.
    int currentRow() const;
    bool hasSongs() const;
    double position() const;
    double length() const;
    void seekTo(double seconds);

    bool musicPlaying() const { return m_musicPlaying; }
    bool paused() const { return m_paused; }

Q_SIGNALS:
    // The state or the song may have changed.
    void changed();

public:
    ImageButton *button(Transport::Button b) const { return m_buttons[b]; }
    QCheckBox *repeat() const { return m_repeat; }

private:
    void applyState(Transport::State state);
    void stepThrough(Transport::Button which, int direction);

    Services &m_services;
    QListWidget *m_playList;
    QTimer *m_timer1;
    std::array<ImageButton *, Transport::ButtonCount> m_buttons{};
    QCheckBox *m_repeat;
    QLabel *m_songNo, *m_title, *m_author, *m_totalFull, *m_totalRemain, *m_packets;
    bool m_paused = false;
    bool m_newSong = false;
    bool m_musicPlaying = false;
    QString m_alarmSong; // while the alarm plays it
};
