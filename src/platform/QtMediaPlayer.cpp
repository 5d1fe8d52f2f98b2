#include "platform/QtMediaPlayer.h"

#include <QAudioOutput>
#include <QMediaMetaData>
#include <QMediaPlayer>
#include <QUrl>

QtMediaPlayer::QtMediaPlayer(QObject *parent)
    : QObject(parent)
{
}

QtMediaPlayer::~QtMediaPlayer() = default;

void QtMediaPlayer::ensurePlayer()
{
    if (m_player && !m_failed)
        return;
    // A player whose file failed takes a second to stop and can still report that failure
    // after the next file is opened: start again with a new one.
    if (m_player) {
        m_player->disconnect(this);
        m_player->deleteLater();
        m_output->deleteLater();
    }
    m_failed = false;
    m_player = new QMediaPlayer(this);
    m_output = new QAudioOutput(this);
    m_player->setAudioOutput(m_output);
    // A missing or undecodable file leaves the back end "playing" for ever at position 0.
    connect(m_player, &QMediaPlayer::mediaStatusChanged, this, [this](auto status) {
        if (status == QMediaPlayer::InvalidMedia)
            m_failed = true;
    });
}

void QtMediaPlayer::open(const QString &path)
{
    ensurePlayer();
    const QUrl url = QUrl::fromLocalFile(path);
    // The back end ignores the source it already has; a file opened again is loaded afresh, so
    // it starts from the beginning.
    if (m_player->source() == url)
        m_player->setSource(QUrl());
    m_player->setSource(url);
    m_opened = true;
    if (!m_failed)
        m_player->play();
}

// Once the file has failed there is nothing to play, pause or stop.
void QtMediaPlayer::play()
{
    if (m_player && !m_failed)
        m_player->play();
}

void QtMediaPlayer::setPosition(double seconds)
{
    if (m_player && m_opened)
        m_player->setPosition(qint64(seconds * 1000));
}

void QtMediaPlayer::pause()
{
    if (m_player && !m_failed)
        m_player->pause();
}

void QtMediaPlayer::stop()
{
    if (m_player && !m_failed)
        m_player->stop();
}

double QtMediaPlayer::duration() const
{
    return m_player ? m_player->duration() / 1000.0 : 0.0;
}

double QtMediaPlayer::currentPosition() const
{
    return m_player ? m_player->position() / 1000.0 : 0.0;
}

int QtMediaPlayer::receivedPackets() const
{
    // The back end has no packet count; its buffer fill is the nearest thing it reports.
    return m_player ? int(m_player->bufferProgress() * 100) : 0;
}

int QtMediaPlayer::playState() const
{
    if (!m_player || !m_opened || m_player->source().isEmpty())
        return Closed;
    if (m_failed)
        return Stopped;
    switch (m_player->playbackState()) {
    case QMediaPlayer::PlayingState:
        return m_player->mediaStatus() == QMediaPlayer::LoadingMedia ? Waiting : Playing;
    case QMediaPlayer::PausedState:
        return Paused;
    case QMediaPlayer::StoppedState:
        break;
    }
    // A clip still loading has not ended: the progress poll must not skip past it.
    const auto status = m_player->mediaStatus();
    if (status == QMediaPlayer::LoadingMedia || status == QMediaPlayer::BufferingMedia)
        return Waiting;
    return Stopped;
}

std::optional<QString> QtMediaPlayer::mediaInfo(int kind) const
{
    if (!m_player)
        return std::nullopt;
    const QMediaMetaData data = m_player->metaData();
    QVariant value;
    if (kind == Title)
        value = data.value(QMediaMetaData::Title);
    else if (kind == Author) {
        value = data.value(QMediaMetaData::ContributingArtist);
        if (value.toString().isEmpty())
            value = data.value(QMediaMetaData::AlbumArtist);
        if (value.toString().isEmpty())
            value = data.value(QMediaMetaData::Author);
    }
    if (!value.isValid())
        return std::nullopt;
    const QString text = value.toStringList().join(QStringLiteral(", "));
    return text.isEmpty() ? value.toString() : text;
}
