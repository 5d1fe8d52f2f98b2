#pragma once

#include <QString>

#include <optional>

// A music file player: opening a file starts it; it plays on its own and is observed by
// polling. The dashboard holds two: one for music and alarms, one for the talking clock.
class MediaPlayer
{
public:
    // Play states as the dashboard reads them.
    enum PlayState { Stopped = 0, Paused = 1, Playing = 2, Waiting = 3, Closed = 6 };
    // Kinds of media information.
    enum InfoKind { Title = 8, Author = 9 };

    virtual ~MediaPlayer() = default;
    virtual void open(const QString &path) = 0; // and start playing it
    virtual void play() = 0;                    // resume a paused clip
    virtual void pause() = 0;
    virtual void stop() = 0;                      // harmless when nothing plays
    virtual void setPosition(double seconds) = 0; // within the open clip
    virtual double duration() const = 0;          // seconds
    virtual double currentPosition() const = 0;   // seconds
    virtual int receivedPackets() const = 0;
    virtual int playState() const = 0;
    // nullopt where the back end has no such information.
    virtual std::optional<QString> mediaInfo(int kind) const = 0;
};
