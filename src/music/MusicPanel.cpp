#include "music/MusicPanel.h"

#include "common/OrvaneError.h"
#include "common/Twips.h"
#include "music/MusicListFile.h"
#include "platform/AppFolder.h"

#include <QLabel>
#include <QListWidget>
#include <QWidget>

namespace {

const QString kPlayListFile = QStringLiteral("\\List.txt");
const QString kAlbumFile = QStringLiteral("\\Album.txt");

} // namespace

MusicPanel::MusicPanel(Services &services, QWidget *surface)
    : QObject(surface)
    , m_services(services)
    , m_album(new QListWidget(surface))
    , m_playList(new QListWidget(surface))
    , m_albumCount(new QLabel(surface))
    , m_playListCount(new QLabel(surface))
{
    m_album->setObjectName(QStringLiteral("Album"));
    m_playList->setObjectName(QStringLiteral("PlayList"));
    m_albumCount->setObjectName(QStringLiteral("lblAlbumCount"));
    m_playListCount->setObjectName(QStringLiteral("lblPlayListCount"));
    m_album->setAccessibleName(QStringLiteral("Album"));
    m_playList->setAccessibleName(QStringLiteral("Playlist"));

    m_playList->setGeometry(twips(180), twips(5160), twips(4200), twips(1230));
    m_playListCount->setGeometry(twips(3600), twips(4920), twips(780), twips(240));
    m_album->setGeometry(twips(4560), twips(5160), twips(4200), twips(1230));
    m_albumCount->setGeometry(twips(4560), twips(4920), twips(2400), twips(240));
    m_playListCount->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    updateCounts();
}

void MusicPanel::load()
{
    // The playlist is read before the album.
    const struct {
        const QString &name;
        QListWidget *list;
        bool *read;
    } files[] = {{kPlayListFile, m_playList, &m_playListRead},
                 {kAlbumFile, m_album, &m_albumRead}};
    for (const auto &f : files) {
        const QString path = m_services.appFolder.path(f.name);
        const std::optional<QStringList> entries = MusicListFile::read(path);
        if (!entries)
            throw OrvaneError(QStringLiteral("Permission denied: %1").arg(path),
                              OrvaneError::PermissionDenied);
        fill(f.list, *entries);
        *f.read = true;
        updateCounts();
    }
}

void MusicPanel::unload()
{
    // Playback stops here once the player exists.
    if (m_playListRead)
        MusicListFile::write(m_services.appFolder.path(kPlayListFile), entries(m_playList));
    if (m_albumRead)
        MusicListFile::write(m_services.appFolder.path(kAlbumFile), entries(m_album));
}

void MusicPanel::updateCounts()
{
    m_albumCount->setText(QStringLiteral("Songs in Album: %1").arg(m_album->count()));
    m_playListCount->setText(QString::number(m_playList->count()));
}

QStringList MusicPanel::entries(const QListWidget *list) const
{
    QStringList out;
    out.reserve(list->count());
    for (int i = 0; i < list->count(); ++i)
        out.append(list->item(i)->text());
    return out;
}

void MusicPanel::fill(QListWidget *list, const QStringList &entries)
{
    list->setUpdatesEnabled(false);
    list->addItems(entries);
    list->setUpdatesEnabled(true);
}
