#include "music/AlbumFiles.h"

#include "music/MusicFiles.h"
#include "music/PlaylistFile.h"
#include "platform/Prompter.h"

#include <QContextMenuEvent>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QListWidget>
#include <QMenu>
#include <QMimeData>

namespace {

const QString kTitle = QStringLiteral("Orvane MP3 Player");
const QString kListTypes
    = QStringLiteral("Playlists (*.m3u *.m3u8 *.pls *.M3U *.M3U8 *.PLS);;All files (*)");
// A message names a few of the entries left out; the count says how many there were.
constexpr qsizetype kNamed = 5;

QStringList localFiles(const QList<QUrl> &urls)
{
    QStringList paths;
    for (const QUrl &url : urls)
        if (url.isLocalFile())
            paths.append(url.toLocalFile());
    return paths;
}

} // namespace

AlbumFiles::AlbumFiles(Services &services, QListWidget *album, QObject *parent)
    : QObject(parent)
    , m_services(services)
    , m_album(album)
    , m_menu(new QMenu(album))
{
    m_menu->setObjectName(QStringLiteral("mnuAlbum"));
    m_menu->addAction(QStringLiteral("&Open Playlist..."), this, &AlbumFiles::chooseToOpen)
        ->setObjectName(QStringLiteral("mnuOpenPlaylist"));
    m_menu->addAction(QStringLiteral("&Save Playlist As..."), this, &AlbumFiles::chooseToSave)
        ->setObjectName(QStringLiteral("mnuSavePlaylistAs"));
    m_album->setAcceptDrops(true);
    m_album->viewport()->setAcceptDrops(true);
    m_album->setDropIndicatorShown(false);
    m_album->installEventFilter(this);
    m_album->viewport()->installEventFilter(this);
}

bool AlbumFiles::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::ContextMenu:
        // The right button and the keyboard's menu key both ask for it.
        if (watched == m_album || watched == m_album->viewport()) {
            m_menu->popup(static_cast<QContextMenuEvent *>(event)->globalPos());
            return true;
        }
        break;
    case QEvent::DragEnter:
    case QEvent::DragMove: {
        auto *drag = static_cast<QDropEvent *>(event);
        if (drag->mimeData()->hasUrls() && !localFiles(drag->mimeData()->urls()).isEmpty()) {
            drag->setDropAction(Qt::CopyAction);
            drag->accept();
            return true;
        }
        break;
    }
    case QEvent::Drop: {
        auto *drop = static_cast<QDropEvent *>(event);
        if (!drop->mimeData()->hasUrls())
            break;
        drop->setDropAction(Qt::CopyAction);
        drop->accept();
        addDropped(drop->mimeData()->urls());
        return true;
    }
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

void AlbumFiles::chooseToOpen()
{
    const QString path = QFileDialog::getOpenFileName(
        m_album->window(), QStringLiteral("Open Playlist"), QDir::homePath(), kListTypes);
    if (!path.isEmpty())
        openPlaylist(path);
}

void AlbumFiles::chooseToSave()
{
    const QString path = QFileDialog::getSaveFileName(
        m_album->window(), QStringLiteral("Save Playlist As"),
        QDir::home().filePath(QStringLiteral("Album.m3u")), kListTypes);
    if (!path.isEmpty())
        savePlaylist(path);
}

void AlbumFiles::openPlaylist(const QString &path)
{
    QString error;
    const std::optional<PlaylistFile::Contents> contents = PlaylistFile::read(path, &error);
    if (!contents) {
        m_services.prompter.tell(error, kTitle, Prompter::Icon::Critical);
        return;
    }
    m_album->addItems(contents->found);
    Q_EMIT added();
    report(int(contents->found.size()), contents->missing);
}

bool AlbumFiles::savePlaylist(const QString &path)
{
    QStringList entries, titles;
    for (int i = 0; i < m_album->count(); ++i) {
        entries.append(m_album->item(i)->text());
        titles.append(QFileInfo(entries.last()).completeBaseName());
    }
    if (PlaylistFile::write(path, entries, titles))
        return true;
    m_services.prompter.tell(QStringLiteral("The playlist could not be written to %1.").arg(path),
                             kTitle, Prompter::Icon::Critical);
    return false;
}

void AlbumFiles::addDropped(const QList<QUrl> &urls)
{
    QStringList music, missing;
    for (const QString &path : localFiles(urls)) {
        if (!MusicFiles::isPlaylist(path)) {
            music += MusicFiles::collect({path});
            continue;
        }
        QString error;
        if (const auto contents = PlaylistFile::read(path, &error)) {
            music += contents->found;
            missing += contents->missing;
        } else {
            missing.append(path);
        }
    }
    m_album->addItems(music);
    Q_EMIT added();
    report(int(music.size()), missing);
}

void AlbumFiles::report(int added, const QStringList &missing)
{
    QString text = QString::number(added) + QStringLiteral(" files added to Album.");
    if (!missing.isEmpty()) {
        text += QStringLiteral("\n\n%1 %2 not found and left out: %3%4")
                    .arg(missing.size())
                    .arg(missing.size() == 1 ? QStringLiteral("entry was")
                                             : QStringLiteral("entries were"))
                    .arg(missing.mid(0, kNamed).join(QStringLiteral(", ")))
                    .arg(missing.size() > kNamed ? QStringLiteral(", …") : QString());
    }
    m_services.prompter.tell(
        text, kTitle, missing.isEmpty() ? Prompter::Icon::Information : Prompter::Icon::Warning);
}
