#pragma once

#include "platform/Services.h"

#include <QWidget>

#include <optional>

class LumoButton;
class QComboBox;
class QLabel;
class QListWidget;

// The add-music window (FormFind): a drive list (the mounted volumes), a folder list under
// it and a multi-select file list of music files; "Add to Album" and "Close".
class AddMusicWindow : public QWidget
{
    Q_OBJECT
public:
    AddMusicWindow(Services &services, QListWidget *album, QWidget *parent = nullptr);

    static constexpr int kCaptionHeight = 20;

    // The music file pattern, matched without regard to case.
    static QStringList musicFilter();

    void setFolder(const QString &path); // what choosing a folder does
    QString folder() const { return m_folder; }
    QListWidget *fileList() const { return m_files; }
    QListWidget *folderList() const { return m_folders; }
    QComboBox *driveList() const { return m_drives; }

    void onDrive1Change(int index);
    void onDir1Activated(int row);
    void onCmdAddToAlbumReleased(int x, int y);
    void onCmdCloseReleased(int x, int y);

Q_SIGNALS:
    void added();

protected:
    void resizeEvent(QResizeEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    Services &m_services;
    QListWidget *m_album;
    QComboBox *m_drives;
    QListWidget *m_folders;
    QListWidget *m_files;
    QLabel *m_caption;
    QLabel *m_path;
    LumoButton *m_add;
    LumoButton *m_close;
    QString m_folder;
    std::optional<QPoint> m_dragFrom; // while the caption is dragged
};
