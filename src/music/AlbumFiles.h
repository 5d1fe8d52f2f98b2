#pragma once

#include "platform/Services.h"

#include <QList>
#include <QObject>
#include <QUrl>

class QListWidget;
class QMenu;

// Songs in and out of the album beside the add-music window: playlists other players read
// and write (M3U, PLS), through the album's context menu, and files, folders and playlists
// dropped on it from a file manager.
class AlbumFiles : public QObject
{
    Q_OBJECT
public:
    AlbumFiles(Services &services, QListWidget *album, QObject *parent = nullptr);

    // Adds a playlist's songs to the album and says how many, and which were not found.
    void openPlaylist(const QString &path);
    // Writes the album as a playlist, M3U or PLS by the name; says so when it cannot.
    bool savePlaylist(const QString &path);
    // Adds what a file manager dropped: music files, the music under folders, playlists.
    void addDropped(const QList<QUrl> &urls);
    QMenu *menu() const { return m_menu; }

Q_SIGNALS:
    void added();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void chooseToOpen();
    void chooseToSave();
    void report(int added, const QStringList &missing);

    Services &m_services;
    QListWidget *m_album;
    QMenu *m_menu;
};
