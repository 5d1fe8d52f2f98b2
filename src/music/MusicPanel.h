#pragma once

#include "contracts/AlarmSources.h"
#include "music/MusicListFile.h"
#include "platform/Services.h"

#include <QObject>
#include <QPointer>

class AddMusicWindow;
class AlbumFiles;
class LumoButton;
class MusicPlayer;
class QLabel;
class QListWidget;
class QWidget;

// The music player's lists: the album and the playlist with their files, moving songs from
// the album to the playlist, deleting, and the add-music window. Playing is MusicPlayer's.
// The alarm plays the playlist's selected song through it.
class MusicPanel : public QObject, public AlarmMusic
{
    Q_OBJECT
public:
    MusicPanel(Services &services, QWidget *surface);
    ~MusicPanel() override;

    // The player's buttons, then the playlist from "List.txt" and the
    // album from "Album.txt". Throws OrvaneError when a list file exists but cannot be read.
    void load();
    // At close: stop the player, write "List.txt" and then "Album.txt". A list
    // whose file was never read this run is not written, so a failed start cannot wipe it.
    void unload();
    // At close: the add-music window.
    void closeWindows();

    bool hasSongs() const override;
    bool playSelectedSong() override;
    void stopSong() override;
    void showStopped() override;

    void onAlbumDblClick();
    void onCmdDeleteSongReleased(int x, int y);
    void onCmdGetMusicReleased(int x, int y);
    void onImgDeleteReleased(int x, int y);
    void onImgDeleteAllReleased(int x, int y);
    void onPlayListRightButton();

    QListWidget *album() const { return m_album; }
    QListWidget *playList() const { return m_playList; }
    MusicPlayer &player() const { return *m_player; }
    AlbumFiles &albumFiles() const { return *m_albumFiles; }
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
    AlbumFiles *m_albumFiles;
    QPointer<AddMusicWindow> m_findWindow;
    bool m_playListRead = false;
    bool m_albumRead = false;
    MusicListFile::EightBit m_eightBit; // entries of both files, as an entry may move between them
};
