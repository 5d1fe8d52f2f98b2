#pragma once

#include "platform/MediaPlayer.h"

#include <QObject>

class QAudioOutput;
class QMediaPlayer;

// The media player over QMediaPlayer with its own audio output (without one the back end
// reports no duration and no tags).
class QtMediaPlayer final : public QObject, public MediaPlayer
{
    Q_OBJECT
public:
    explicit QtMediaPlayer(QObject *parent = nullptr);
    ~QtMediaPlayer() override;

    void open(const QString &path) override;
    void play() override;
    void pause() override;
    void stop() override;
    void setPosition(double seconds) override;
    double duration() const override;
    double currentPosition() const override;
    int receivedPackets() const override;
    int playState() const override;
    std::optional<QString> mediaInfo(int kind) const override;

private:
    void ensurePlayer();

    QMediaPlayer *m_player = nullptr; // made on first use: nothing to pay for at start-up
    QAudioOutput *m_output = nullptr;
    bool m_opened = false;
    bool m_failed = false; // the open file could not be played
};
