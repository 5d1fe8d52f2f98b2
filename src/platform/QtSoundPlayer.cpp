#include "platform/QtSoundPlayer.h"

#include <QApplication>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QUrl>

namespace {
// Qt 6.4 never emits audioOutputsChanged when sound-server outputs come and go, though its
// list follows them; so the answer is also read again once it is this old.
constexpr qint64 kOutputsMaxAgeMs = 5000;
} // namespace

QtSoundPlayer::QtSoundPlayer(QObject *parent)
    : QObject(parent)
    , m_devices(new QMediaDevices(this))
{
    // The clock asks before every sound; the answer is kept, and renewed when the sound
    // server says its outputs changed.
    connect(m_devices, &QMediaDevices::audioOutputsChanged, this, &QtSoundPlayer::refreshOutputs);
    refreshOutputs();
}

QtSoundPlayer::~QtSoundPlayer() = default;

bool QtSoundPlayer::hasWaveOutput() const
{
    if (m_sinceRead.hasExpired(kOutputsMaxAgeMs))
        refreshOutputs();
    return m_hasOutput;
}

void QtSoundPlayer::refreshOutputs() const
{
    m_hasOutput = !QMediaDevices::audioOutputs().isEmpty();
    m_sinceRead.start();
}

void QtSoundPlayer::playWave(const QString &absolutePath, quint32 flags)
{
    // The flags word travels with the play for the callers' sake; every play is asynchronous.
    Q_UNUSED(flags);
    if (absolutePath.isEmpty() || !hasWaveOutput())
        return;
    if (!m_effect)
        m_effect = new QSoundEffect(this);

    const QUrl source = QUrl::fromLocalFile(absolutePath);
    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    m_effect->stop(); // whatever still sounds gives way to the new sound
    if (!canReplay(source, device)) {
        // Loading afresh is the only way to leave a failed load behind or to reach an output
        // that came after the last load: the effect ignores the same source set twice.
        m_effect->setSource(QUrl());
        m_effect->setAudioDevice(device);
        m_effect->setSource(source);
        m_loadedFor = device;
    }
    m_effect->play(); // while still loading, it starts once the sound is read
}

bool QtSoundPlayer::canReplay(const QUrl &source, const QAudioDevice &device) const
{
    const QSoundEffect::Status status = m_effect->status();
    return m_effect->source() == source && m_loadedFor == device
        && (status == QSoundEffect::Ready || status == QSoundEffect::Loading);
}

void QtSoundPlayer::beep()
{
    QApplication::beep();
}
