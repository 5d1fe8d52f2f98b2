#pragma once

#include "music/TrackTags.h"

#include <QObject>
#include <QVariantMap>

#include <functional>

class MusicPlayer;
class QDBusObjectPath;

// The music player on the session bus as org.mpris.MediaPlayer2.orvane, so the desktop's
// media controls, its media keys and scripts (playerctl) drive it. What it says is read
// from the player each time; each change the player reports goes out as PropertiesChanged,
// so the bus and the player's own buttons never disagree.
class MprisService : public QObject
{
    Q_OBJECT
public:
    struct Hooks
    {
        std::function<void()> raise; // show the dashboard
        std::function<void()> quit;  // close the program as "Exit" does
    };

    MprisService(MusicPlayer &player, Hooks hooks, QObject *parent = nullptr);

    // Registers the name and the object on the session bus; false without a bus, and
    // nothing is left registered.
    bool publish();

    // What the adaptors read.
    QString playbackStatus() const;
    QVariantMap metadata() const;
    qlonglong positionUs() const;
    // The Player properties that PropertiesChanged carries, as they are now.
    QVariantMap playerProperties() const;
    bool hasSongs() const;
    bool canSeek() const;

    // What they ask for. Actions that may show a message run on the next turn of the event
    // loop, after the call's reply has gone.
    void play();
    void pause();
    void playPause();
    void stop();
    void next();
    void previous();
    void seek(qlonglong offsetUs);
    void setPosition(const QDBusObjectPath &track, qlonglong positionUs);
    void raise();
    void quit();

Q_SIGNALS:
    void seeked(qlonglong positionUs);

private:
    void onChanged();
    void later(std::function<void()> action);
    QString trackId() const;
    const TrackTags &tags(const QString &path) const;

    MusicPlayer &m_player;
    Hooks m_hooks;
    QVariantMap m_told; // the Player properties last sent
    bool m_published = false;
    mutable QString m_tagsOf;
    mutable TrackTags m_tags;
};
