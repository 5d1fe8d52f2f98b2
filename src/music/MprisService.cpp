#include "music/MprisService.h"
#include "music/MprisAdaptors.h"
#include "music/MusicPlayer.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QTimer>
#include <QUrl>

namespace {

const QString kObject = QStringLiteral("/org/mpris/MediaPlayer2");
const QString kPlayer = QStringLiteral("org.mpris.MediaPlayer2.Player");
const QString kNoTrack = QStringLiteral("/org/mpris/MediaPlayer2/TrackList/NoTrack");
constexpr double kMicro = 1e6;

} // namespace

MprisService::MprisService(MusicPlayer &player, Hooks hooks, QObject *parent)
    : QObject(parent)
    , m_player(player)
    , m_hooks(std::move(hooks))
{
    new MprisRootAdaptor(this);
    new MprisPlayerAdaptor(this);
    connect(&m_player, &MusicPlayer::changed, this, &MprisService::onChanged);
}

bool MprisService::publish()
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected() || !bus.registerObject(kObject, this))
        return false;
    // A second player on the same bus takes a name of its own, as the interface allows.
    if (!bus.registerService(QStringLiteral("org.mpris.MediaPlayer2.orvane"))
        && !bus.registerService(QStringLiteral("org.mpris.MediaPlayer2.orvane.instance%1")
                                    .arg(QCoreApplication::applicationPid()))) {
        bus.unregisterObject(kObject);
        return false;
    }
    m_published = true;
    m_told = playerProperties();
    return true;
}

QString MprisService::playbackStatus() const
{
    switch (m_player.status()) {
    case MusicPlayer::Status::Playing:
        return QStringLiteral("Playing");
    case MusicPlayer::Status::Paused:
        return QStringLiteral("Paused");
    case MusicPlayer::Status::Stopped:
        break;
    }
    return QStringLiteral("Stopped");
}

QString MprisService::trackId() const
{
    const int row = m_player.currentRow();
    return row >= 0 ? QStringLiteral("/org/orvane/track/%1").arg(row)
                    : QStringLiteral("/org/orvane/track/alarm");
}

const TrackTags &MprisService::tags(const QString &path) const
{
    // Read once a song: the bus asks for the metadata far more often than songs change.
    if (path != m_tagsOf) {
        m_tagsOf = path;
        m_tags = TrackTags::read(path);
    }
    return m_tags;
}

QVariantMap MprisService::metadata() const
{
    const QString path = m_player.currentPath();
    if (path.isEmpty())
        return {{QStringLiteral("mpris:trackid"), QVariant::fromValue(QDBusObjectPath(kNoTrack))}};
    const TrackTags &song = tags(path);
    QVariantMap map{
        {QStringLiteral("mpris:trackid"), QVariant::fromValue(QDBusObjectPath(trackId()))},
        {QStringLiteral("xesam:title"), song.title},
        {QStringLiteral("xesam:url"), QUrl::fromLocalFile(path).toString()},
    };
    const qlonglong length
        = song.lengthMs > 0 ? song.lengthMs * 1000 : qlonglong(m_player.length() * kMicro);
    if (length > 0)
        map.insert(QStringLiteral("mpris:length"), length);
    if (!song.artist.isEmpty())
        map.insert(QStringLiteral("xesam:artist"), QStringList{song.artist});
    return map;
}

qlonglong MprisService::positionUs() const
{
    return qlonglong(m_player.position() * kMicro);
}

bool MprisService::hasSongs() const
{
    return m_player.hasSongs();
}

bool MprisService::canSeek() const
{
    return m_player.status() != MusicPlayer::Status::Stopped;
}

QVariantMap MprisService::playerProperties() const
{
    const bool songs = hasSongs();
    return {{QStringLiteral("PlaybackStatus"), playbackStatus()},
            {QStringLiteral("Metadata"), metadata()},
            {QStringLiteral("CanGoNext"), songs},
            {QStringLiteral("CanGoPrevious"), songs},
            {QStringLiteral("CanPlay"), songs},
            {QStringLiteral("CanPause"), songs},
            {QStringLiteral("CanSeek"), canSeek()}};
}

void MprisService::onChanged()
{
    if (!m_published)
        return;
    const QVariantMap now = playerProperties();
    QVariantMap changed;
    for (auto it = now.begin(); it != now.end(); ++it)
        if (m_told.value(it.key()) != it.value())
            changed.insert(it.key(), it.value());
    m_told = now;
    if (changed.isEmpty())
        return;
    QDBusMessage signal
        = QDBusMessage::createSignal(kObject, QStringLiteral("org.freedesktop.DBus.Properties"),
                                     QStringLiteral("PropertiesChanged"));
    signal << kPlayer << changed << QStringList();
    QDBusConnection::sessionBus().send(signal);
}

void MprisService::later(std::function<void()> action)
{
    QTimer::singleShot(0, this, std::move(action));
}

void MprisService::play()
{
    if (hasSongs() && m_player.status() != MusicPlayer::Status::Playing)
        later([this] { m_player.playAction(); });
}

void MprisService::pause()
{
    if (m_player.status() == MusicPlayer::Status::Playing && m_player.currentRow() >= 0)
        later([this] { m_player.pauseAction(); });
}

void MprisService::playPause()
{
    if (m_player.status() == MusicPlayer::Status::Playing)
        pause();
    else
        play();
}

void MprisService::stop()
{
    later([this] {
        if (m_player.currentRow() < 0 && m_player.status() == MusicPlayer::Status::Playing)
            m_player.stopFile(); // the alarm's song
        else
            m_player.stopAction();
    });
}

void MprisService::next()
{
    if (hasSongs())
        later([this] { m_player.nextAction(); });
}

void MprisService::previous()
{
    if (hasSongs())
        later([this] { m_player.previousAction(); });
}

void MprisService::seek(qlonglong offsetUs)
{
    if (!canSeek())
        return;
    const qlonglong target = std::max<qlonglong>(0, positionUs() + offsetUs);
    const qlonglong length = qlonglong(m_player.length() * kMicro);
    if (length > 0 && target > length) {
        next();
        return;
    }
    m_player.seekTo(target / kMicro);
    Q_EMIT seeked(target);
}

void MprisService::setPosition(const QDBusObjectPath &track, qlonglong positionUs)
{
    const qlonglong length = qlonglong(m_player.length() * kMicro);
    if (!canSeek() || track.path() != trackId() || positionUs < 0
        || (length > 0 && positionUs > length))
        return;
    m_player.seekTo(positionUs / kMicro);
    Q_EMIT seeked(positionUs);
}

void MprisService::raise()
{
    if (m_hooks.raise)
        m_hooks.raise();
}

void MprisService::quit()
{
    if (m_hooks.quit)
        later(m_hooks.quit);
}
