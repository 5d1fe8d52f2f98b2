#pragma once

#include "music/MusicListFile.h"
#include "platform/Services.h"

#include <QObject>
#include <QPointer>

class AddMusicWindow;
class LumoButton;
class MusicPlayer;
class QLabel;
class QListWidget;
class QTimer;
class QWidget;

// The music player's lists: the album and the playlist with their files, moving songs from
// the album to the playlist, deleting, and the add-music window. Playing is MusicPlayer's.
class MusicPanel : public QObject
{
    Q_OBJECT
public:
    MusicPanel(Services &services, QWidget *surface, QTimer *timer1);
    ~MusicPanel() override;

    // Load sequence step 17: the player's buttons, then the playlist from "List.txt" and the
    // album from "Album.txt". Throws OrvaneError when a list file exists but cannot be read.
    void load();
    // Unload steps 1 and 2: stop the player, write "List.txt" and then "Album.txt". A list
    // whose file was never read this run is not written, so a failed start cannot wipe it.
    void unload();
    // Unload step 4: the add-music window.
    void closeWindows();

    void onAlbumDblClick();
    void onCmdDeleteSongReleased(int x, int y);
    void onCmdGetMusicReleased(int x, int y);
    void onImgDeleteReleased(int x, int y);
    void onImgDeleteAllReleased(int x, int y);
    void onPlayListRightButton();

    QListWidget *album() const { return m_album; }
    QListWidget *playList() const { return m_playList; }
    MusicPlayer &player() const { return *m_player; }
    AddMusicWindow *addMusicWindow() const;
    void updateCounts();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QStringList entries(const QListWidget *list) const;
    void removeSelected(QListWidget *list);

    Services &m_services;
    QWidget *m_surface;
    QListWidget *m_album;
    QListWidget *m_playList;
    QLabel *m_albumCount;
    QLabel *m_playListCount;
    LumoButton *m_getMusic;
    LumoButton *m_deleteSong;
    MusicPlayer *m_player;
    QPointer<AddMusicWindow> m_findWindow;
    bool m_playListRead = false;
    bool m_albumRead = false;
    MusicListFile::EightBit m_eightBit; // entries of both files, as an entry may move between them
};
