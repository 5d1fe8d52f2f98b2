#include "platform/QtSoundPlayer.h"

#include "platform/WaveStream.h"

#include <QApplication>
#include <QAudioFormat>
#include <QAudioSink>
#include <QFileInfo>
#include <QMediaDevices>
#include <QTimer>

#include <memory>

namespace {

// Qt 6.4 never emits audioOutputsChanged when sound-server outputs come and go, though its
// list follows them; so the answer is also read again once it is this old.
constexpr qint64 kOutputsMaxAgeMs = 5000;
// Silence kept playing after a sound: long enough to bridge the slowest alarm repeat that
// follows a short sound, short enough not to hold the sound server for long.
constexpr qint64 kTailMs = 2500;
// What the output buffers ahead: a replacing sound is heard after at most about this long.
constexpr qint64 kBufferMs = 80;
constexpr int kCacheLimit = 64;
// An output that has read nothing of a sound by then is not waited for any longer.
constexpr int kStartLimitMs = 1500;

QAudioFormat audioFormat(const WaveFile &wave)
{
    QAudioFormat format;
    format.setSampleRate(wave.sampleRate);
    format.setChannelCount(wave.channels);
    switch (wave.sample) {
    case WaveFile::Sample::UInt8:
        format.setSampleFormat(QAudioFormat::UInt8);
        break;
    case WaveFile::Sample::Int16:
        format.setSampleFormat(QAudioFormat::Int16);
        break;
    case WaveFile::Sample::Int32:
        format.setSampleFormat(QAudioFormat::Int32);
        break;
    case WaveFile::Sample::Float:
        format.setSampleFormat(QAudioFormat::Float);
        break;
    }
    return format;
}

qint64 bytesFor(const WaveFile &wave, qint64 ms)
{
    return qint64(wave.bytesPerFrame()) * wave.sampleRate * ms / 1000;
}

} // namespace

QtSoundPlayer::QtSoundPlayer(QObject *parent)
    : QObject(parent)
    , m_devices(new QMediaDevices(this))
    , m_stream(new WaveStream(this))
{
    // The clock asks before every sound; the answer is kept, and renewed when the sound
    // server says its outputs changed.
    connect(m_devices, &QMediaDevices::audioOutputsChanged, this, &QtSoundPlayer::refreshOutputs);
    refreshOutputs();
}

QtSoundPlayer::~QtSoundPlayer()
{
    closeOutput();
}

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
    const WaveFile *wave = load(absolutePath);
    if (!wave) {
        beep(); // a file that is no playable wave sounds like a missing one
        return;
    }
    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    const bool reuse = outputFits(*wave, device);
    m_stream->start(wave->pcm, bytesFor(*wave, kTailMs),
                    wave->sample == WaveFile::Sample::UInt8 ? char(0x80) : char(0));
    if (!reuse)
        openOutput(*wave, device);
}

void QtSoundPlayer::stopWave()
{
    m_stream->silence();
}

bool QtSoundPlayer::outputFits(const WaveFile &wave, const QAudioDevice &device) const
{
    return m_sink && m_sink->state() == QAudio::ActiveState && m_sinkFormat.sameFormat(wave)
        && m_sinkDevice.id() == device.id();
}

void QtSoundPlayer::openOutput(const WaveFile &wave, const QAudioDevice &device)
{
    closeOutput();
    m_sinkFormat = WaveFile{wave.sampleRate, wave.channels, wave.sample, {}};
    m_sinkDevice = device;
    m_sink = new QAudioSink(device, audioFormat(wave), this);
    m_sink->setBufferSize(int(bytesFor(wave, kBufferMs)));
    connect(m_sink, &QAudioSink::stateChanged, this, &QtSoundPlayer::onOutputState);
    m_sink->start(m_stream);
}

void QtSoundPlayer::closeOutput()
{
    if (!m_sink)
        return;
    QAudioSink *sink = std::exchange(m_sink, nullptr);
    sink->disconnect(this);
    sink->stop();
    sink->deleteLater();
}

void QtSoundPlayer::onOutputState(QAudio::State state)
{
    // Once the sound and its silence have been read, the stream to the server is given up;
    // a failed output is given up too, so the next play opens a fresh one.
    if ((state == QAudio::IdleState && m_stream->finished())
        || (m_sink && m_sink->error() != QAudio::NoError
            && m_sink->error() != QAudio::UnderrunError))
        closeOutput();
}

const WaveFile *QtSoundPlayer::load(const QString &path)
{
    const QFileInfo info(path);
    auto found = m_cache.find(path);
    if (found != m_cache.end() && found->modified == info.lastModified()
        && found->size == info.size())
        return &found->wave;
    std::optional<WaveFile> wave = WaveFile::read(path);
    if (!wave)
        return nullptr;
    if (m_cache.size() >= kCacheLimit)
        m_cache.clear();
    return &m_cache.insert(path, Cached{info.lastModified(), info.size(), std::move(*wave)})->wave;
}

void QtSoundPlayer::whenStarted(QObject *context, std::function<void()> then)
{
    if (!m_stream->waiting()) {
        then();
        return;
    }
    // Whichever comes first: the output reads the sound, or it is given up on.
    auto once = std::make_shared<std::function<void()>>(std::move(then));
    const auto run = [once] {
        if (*once)
            std::exchange(*once, nullptr)();
    };
    connect(m_stream, &WaveStream::begun, context, run,
            Qt::ConnectionType(Qt::QueuedConnection | Qt::SingleShotConnection));
    QTimer::singleShot(kStartLimitMs, context, run);
}

void QtSoundPlayer::beep()
{
    QApplication::beep();
}
