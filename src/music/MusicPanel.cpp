#include "music/MusicPanel.h"

#include "common/OrvaneError.h"
#include "common/Twips.h"
#include "music/AddMusicWindow.h"
#include "music/AlbumFiles.h"
#include "music/MusicListFile.h"
#include "music/MusicPlayer.h"
#include "platform/AppFolder.h"
#include "platform/Prompter.h"
#include "widgets/ImageButton.h"
#include "widgets/LumoButton.h"
#include "widgets/ReleaseRule.h"
#include "widgets/SmallControls.h"

#include <QFileInfo>
#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>
#include <QWidget>

namespace {

const QString kPlayListFile = QStringLiteral("\\List.txt");
const QString kAlbumFile = QStringLiteral("\\Album.txt");

QListWidget *makeList(QWidget *surface, const char *name, const char *accessible, int left)
{
    auto *list = new QListWidget(surface);
    list->setObjectName(QString::fromLatin1(name));
    list->setAccessibleName(QString::fromLatin1(accessible));
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    // Every entry is one line in one font: a list of a million entries shows in a second
    // instead of measuring each entry first.
    list->setUniformItemSizes(true);
    // A little narrower than the gap between them, so each group's frame fits around it.
    list->setGeometry(twips(left), twips(5580), twips(4080), twips(1500));
    return list;
}

} // namespace

MusicPanel::MusicPanel(Services &services, QWidget *surface)
    : QObject(surface)
    , m_services(services)
    , m_surface(surface)
    , m_album(makeList(surface, "Album", "Album", 4560))
    , m_playList(makeList(surface, "PlayList", "Playlist", 180))
    , m_albumCount(new QLabel(surface))
    , m_playListCount(new QLabel(surface))
    , m_getMusic(smallButton(QStringLiteral("Get Music"), "cmdGetMusic", surface, services))
    , m_deleteSong(smallButton(QStringLiteral("Delete Song"), "cmdDeleteSong", surface, services))
    , m_player(new MusicPlayer(services, surface, m_playList))
    , m_albumFiles(new AlbumFiles(services, m_album, this))
{
    m_albumCount->setObjectName(QStringLiteral("lblAlbumCount"));
    m_playListCount->setObjectName(QStringLiteral("lblPlayListCount"));
    m_albumCount->setGeometry(twips(4560), twips(5310), twips(2400), twips(255));
    m_playListCount->setGeometry(twips(1560), twips(4500), twips(600), twips(255));
    m_getMusic->setGeometry(twips(4560), twips(7140), 76, 18);
    m_deleteSong->setGeometry(twips(5820), twips(7140), 76, 18);
    connect(m_getMusic, &LumoButton::MouseUp, this,
            [this](int, int, int x, int y) { onCmdGetMusicReleased(x, y); });
    connect(m_deleteSong, &LumoButton::MouseUp, this,
            [this](int, int, int x, int y) { onCmdDeleteSongReleased(x, y); });
    connect(m_album, &QListWidget::itemDoubleClicked, this, &MusicPanel::onAlbumDblClick);
    connect(m_player->button(Transport::Delete), &ImageButton::MouseUp, this,
            [this](int, int, int x, int y) { onImgDeleteReleased(x, y); });
    connect(m_player->button(Transport::DeleteAll), &ImageButton::MouseUp, this,
            [this](int, int, int x, int y) { onImgDeleteAllReleased(x, y); });
    m_playList->viewport()->installEventFilter(this);
    connect(m_albumFiles, &AlbumFiles::added, this, &MusicPanel::updateCounts);
    updateCounts();
}

MusicPanel::~MusicPanel()
{
    delete m_findWindow; // it adds to the album list, which goes with the surface
}

bool MusicPanel::hasSongs() const
{
    return m_playList->count() > 0;
}

bool MusicPanel::playSelectedSong()
{
    if (m_playList->count() == 0)
        return false;
    if (m_playList->currentRow() < 0)
        m_playList->setCurrentRow(0);
    const QString path = m_playList->currentItem()->text();
    if (!QFileInfo(path).isFile()) {
        m_player->stopAction();
        return false;
    }
    m_player->playFile(path);
    return true;
}

void MusicPanel::stopSong()
{
    m_player->stopFile();
}

void MusicPanel::showStopped()
{
    m_player->resetPlayStopPictures();
}

void MusicPanel::load()
{
    m_player->load();
    // The playlist is read before the album.
    const struct
    {
        const QString &name;
        QListWidget *list;
        bool *read;
    } files[] = {{kPlayListFile, m_playList, &m_playListRead}, {kAlbumFile, m_album, &m_albumRead}};
    for (const auto &f : files) {
        const QString path = m_services.dataFolder.path(f.name);
        const std::optional<QStringList> entries = MusicListFile::read(path, &m_eightBit);
        if (!entries)
            throw OrvaneError(QStringLiteral("Permission denied: %1").arg(path),
                              OrvaneError::PermissionDenied);
        f.list->addItems(*entries);
        *f.read = true;
        updateCounts();
    }
}

void MusicPanel::unload()
{
    m_player->unload();
    const struct
    {
        const QString &file;
        const QListWidget *list;
        bool read;
    } lists[] = {{kPlayListFile, m_playList, m_playListRead}, {kAlbumFile, m_album, m_albumRead}};
    for (const auto &l : lists) {
        const QString path = m_services.dataFolder.path(l.file);
        // A failed write leaves the previous file whole; the user learns the changes are lost.
        if (l.read && !MusicListFile::write(path, entries(l.list), m_eightBit))
            m_services.prompter.tell(
                errorText(QStringLiteral("Could not save %1; it keeps its earlier songs").arg(path),
                          OrvaneError::PathFileAccessError),
                kApplicationTitle + QStringLiteral(" Error"), Prompter::Icon::Critical);
    }
}

void MusicPanel::closeWindows()
{
    if (m_findWindow)
        m_findWindow->close();
}

void MusicPanel::updateCounts()
{
    m_albumCount->setText(QStringLiteral("Songs in Album: %1").arg(m_album->count()));
    m_playListCount->setText(QString::number(m_playList->count()));
    m_player->keepSongNumberInRange();
}

void MusicPanel::onAlbumDblClick()
{
    ImageButton *play = m_player->button(Transport::Play);
    if (!play->isEnabled())
        play->setEnabled(true);
    const QListWidgetItem *item = m_album->currentItem();
    if (!item)
        return; // an empty album: nothing to copy
    const QString entry = item->text();
    // Exactly the same path only: another letter case is another file here.
    if (!m_playList->findItems(entry, Qt::MatchExactly | Qt::MatchCaseSensitive).isEmpty()) {
        m_services.prompter.tell(entry + QStringLiteral(" already in the playlist!"),
                                 QStringLiteral("Tunelo Info"), Prompter::Icon::Information);
    } else {
        m_playList->addItem(entry);
    }
    updateCounts();
}

namespace {

// A list keeps a current row even when nothing is highlighted (after start-up, after a click on
// blank space); only a highlighted entry counts as the user's choice.
int highlightedRow(const QListWidget *list)
{
    const QListWidgetItem *item = list->currentItem();
    return item && item->isSelected() ? list->row(item) : -1;
}

} // namespace

void MusicPanel::removeSelected(QListWidget *list)
{
    const int row = highlightedRow(list);
    delete list->takeItem(row);
    if (list->count() > 0)
        list->setCurrentRow(std::min(row, list->count() - 1));
    else
        list->setCurrentRow(-1);
}

void MusicPanel::onCmdDeleteSongReleased(int x, int y)
{
    if (!releasedInside({x, y}, {76, 18}))
        return;
    if (highlightedRow(m_album) < 0) {
        if (m_album->count() > 0)
            m_services.prompter.tell(QStringLiteral("Choose a song to delete!"),
                                     QStringLiteral("ORVANE Info"), Prompter::Icon::Critical);
        else
            m_services.prompter.tell(QStringLiteral("Album is empty!"),
                                     QStringLiteral("ORVANE Critical"), Prompter::Icon::Critical);
    } else {
        removeSelected(m_album);
    }
    updateCounts();
}

void MusicPanel::onImgDeleteReleased(int x, int y)
{
    if (!releasedInside({x, y}, {435, 270}))
        return;
    m_player->resetToStopped(true);
    if (highlightedRow(m_playList) < 0) {
        if (m_playList->count() > 0)
            m_services.prompter.tell(QStringLiteral("Choose a song to delete!"),
                                     QStringLiteral("Tunelo Info"), Prompter::Icon::Critical);
        else
            m_services.prompter.tell(QStringLiteral("Playlist is empty!"),
                                     QStringLiteral("Tunelo Critical"), Prompter::Icon::Critical);
    } else {
        removeSelected(m_playList);
    }
    updateCounts();
}

void MusicPanel::onImgDeleteAllReleased(int x, int y)
{
    if (!releasedInside({x, y}, {435, 270}))
        return;
    m_player->resetToStopped(false);
    m_playListCount->setText(QStringLiteral("0"));
    if (m_playList->count() > 0) {
        const auto answer = m_services.prompter.ask(
            {QStringLiteral("Delete All Items In Playlist?"), QStringLiteral("Tunelo Question"),
             Prompter::Icon::Question, Prompter::Buttons::YesNo});
        if (answer == Prompter::Answer::Yes)
            m_playList->clear();
    } else {
        m_services.prompter.tell(QStringLiteral("Playlist is empty!"),
                                 QStringLiteral("Tunelo Critical"), Prompter::Icon::Critical);
    }
    updateCounts();
}

void MusicPanel::onCmdGetMusicReleased(int x, int y)
{
    if (!releasedInside({x, y}, {76, 18}))
        return;
    if (!m_findWindow) {
        // A window of the dashboard's, so the desktop keeps it above the dashboard, also after
        // a message box the dashboard owns.
        m_findWindow = new AddMusicWindow(m_services, m_album, m_surface->window());
        connect(m_findWindow, &AddMusicWindow::added, this, &MusicPanel::updateCounts);
    }
    if (!m_findWindow->isVisible()) // over the dashboard, as it has no title bar to drag
        m_findWindow->move(m_surface->window()->geometry().center()
                           - m_findWindow->rect().center());
    m_findWindow->show();
    m_findWindow->raise();
    updateCounts();
}

void MusicPanel::onPlayListRightButton()
{
    // Red for the rest of the run.
    QPalette pal = m_playList->palette();
    pal.setColor(QPalette::Text, QColor(255, 0, 0));
    m_playList->setPalette(pal);
}

bool MusicPanel::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_playList->viewport() && event->type() == QEvent::MouseButtonPress
        && static_cast<QMouseEvent *>(event)->button() == Qt::RightButton)
        onPlayListRightButton();
    return QObject::eventFilter(watched, event);
}

QStringList MusicPanel::entries(const QListWidget *list) const
{
    QStringList out;
    out.reserve(list->count());
    for (int i = 0; i < list->count(); ++i)
        out.append(list->item(i)->text());
    return out;
}

AddMusicWindow *MusicPanel::addMusicWindow() const
{
    return m_findWindow;
}
