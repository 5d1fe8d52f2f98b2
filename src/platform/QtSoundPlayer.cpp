#include "platform/QtSoundPlayer.h"

#include <QApplication>
#include <QAudioDevice>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QUrl>

namespace {
// The clock asks every second; the device list is a round trip to the sound server.
constexpr qint64 kDeviceCacheMs = 5000;
} // namespace

QtSoundPlayer::QtSoundPlayer(QObject *parent)
    : QObject(parent)
    , m_devices(new QMediaDevices(this))
{
    connect(m_devices, &QMediaDevices::audioOutputsChanged, this,
            [this] { m_sinceAsked.invalidate(); });
}

QtSoundPlayer::~QtSoundPlayer() = default;

bool QtSoundPlayer::hasWaveOutput() const
{
    if (!m_sinceAsked.isValid() || m_sinceAsked.elapsed() >= kDeviceCacheMs) {
        m_hasOutput = !QMediaDevices::audioOutputs().isEmpty();
        m_sinceAsked.start();
    }
    return m_hasOutput;
}

void QtSoundPlayer::playWave(const QString &absolutePath, quint32 flags)
{
    // The flags word travels with the play for the callers' sake; every play is asynchronous.
    Q_UNUSED(flags);
    if (absolutePath.isEmpty() || !hasWaveOutput())
        return;
    if (!m_effect)
        m_effect = new QSoundEffect(this);

    // The device may have come or changed since the last play.
    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    if (m_effect->audioDevice() != device)
        m_effect->setAudioDevice(device);
    const QUrl source = QUrl::fromLocalFile(absolutePath);
    if (m_effect->source() != source)
        m_effect->setSource(source);
    else
        m_effect->stop();
    m_effect->play();
}

void QtSoundPlayer::beep()
{
    QApplication::beep();
}
