#include "music/MprisAdaptors.h"
#include "music/MprisService.h"

#include "platform/AppId.h"

MprisRootAdaptor::MprisRootAdaptor(MprisService *service)
    : QDBusAbstractAdaptor(service)
    , m_service(service)
{
}

QString MprisRootAdaptor::identity() const
{
    return QStringLiteral("Orvane");
}

QString MprisRootAdaptor::desktopEntry() const
{
    return AppId::kId;
}

QStringList MprisRootAdaptor::uriSchemes() const
{
    return {QStringLiteral("file")};
}

QStringList MprisRootAdaptor::mimeTypes() const
{
    return {QStringLiteral("audio/mpeg"), QStringLiteral("audio/x-wav"),
            QStringLiteral("video/mpeg"), QStringLiteral("video/x-ms-asf")};
}

void MprisRootAdaptor::Raise()
{
    m_service->raise();
}

void MprisRootAdaptor::Quit()
{
    m_service->quit();
}

MprisPlayerAdaptor::MprisPlayerAdaptor(MprisService *service)
    : QDBusAbstractAdaptor(service)
    , m_service(service)
{
    connect(service, &MprisService::seeked, this, &MprisPlayerAdaptor::Seeked);
}

QString MprisPlayerAdaptor::playbackStatus() const
{
    return m_service->playbackStatus();
}

QVariantMap MprisPlayerAdaptor::metadata() const
{
    return m_service->metadata();
}

qlonglong MprisPlayerAdaptor::position() const
{
    return m_service->positionUs();
}

bool MprisPlayerAdaptor::hasSongs() const
{
    return m_service->hasSongs();
}

bool MprisPlayerAdaptor::canSeek() const
{
    return m_service->canSeek();
}

void MprisPlayerAdaptor::Next()
{
    m_service->next();
}

void MprisPlayerAdaptor::Previous()
{
    m_service->previous();
}

void MprisPlayerAdaptor::Pause()
{
    m_service->pause();
}

void MprisPlayerAdaptor::PlayPause()
{
    m_service->playPause();
}

void MprisPlayerAdaptor::Stop()
{
    m_service->stop();
}

void MprisPlayerAdaptor::Play()
{
    m_service->play();
}

void MprisPlayerAdaptor::Seek(qlonglong Offset)
{
    m_service->seek(Offset);
}

void MprisPlayerAdaptor::SetPosition(const QDBusObjectPath &TrackId, qlonglong Position)
{
    m_service->setPosition(TrackId, Position);
}

void MprisPlayerAdaptor::OpenUri(const QString &)
{
    // The player plays its own lists; a song comes in through the album.
}
