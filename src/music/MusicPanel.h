#pragma once

#include "platform/Services.h"

#include <QObject>

class QLabel;
class QListWidget;
class QWidget;

// The music player: for now its two lists and their files. Playback, the transport buttons
// and the add-music window come with the music issue.
class MusicPanel : public QObject
{
    Q_OBJECT
public:
    MusicPanel(Services &services, QWidget *surface);

    // Load sequence step 17: the playlist from "List.txt", then the album from "Album.txt".
    // Throws OrvaneError when a list file exists but cannot be read.
    void load();
    // Unload steps 1 and 2: stop the player, write "List.txt" and then "Album.txt". A list
    // whose file was never read this run is not written, so a failed start cannot wipe it.
    void unload();

    QListWidget *album() const { return m_album; }
    QListWidget *playList() const { return m_playList; }
    void updateCounts();

private:
    QStringList entries(const QListWidget *list) const;
    void fill(QListWidget *list, const QStringList &entries);

    Services &m_services;
    QListWidget *m_album;
    QListWidget *m_playList;
    QLabel *m_albumCount;
    QLabel *m_playListCount;
    bool m_playListRead = false;
    bool m_albumRead = false;
};
