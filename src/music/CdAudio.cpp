#include "music/CdAudio.h"

#include <QWidget>

CdAudio::CdAudio(Services &services, QWidget *surface)
    : QObject(surface)
    , m_services(services)
    , m_surface(surface)
{
}

void CdAudio::closeAllQuietly()
{
    // Filled by the music issue.
}

void CdAudio::load(const QString &alarmSource)
{
    Q_UNUSED(alarmSource);
    // Filled by the music issue.
}

void CdAudio::stopAndClose()
{
    // Filled by the music issue.
}
