#pragma once

// What the ringing alarm asks of the music player. The music side implements it; the alarm
// never sees the player's widgets.
class AlarmMusic
{
public:
    virtual ~AlarmMusic() = default;
    virtual bool hasSongs() const = 0;
    // Plays the playlist's selected song, selecting the first when none is. False when the
    // song's file is gone; the player is stopped then.
    virtual bool playSelectedSong() = 0;
    // Stops the song and its progress display.
    virtual void stopSong() = 0;
    // The transport as after the user's Stop: Play ready, Stop lit.
    virtual void showStopped() = 0;
};

// What the alarm asks of the audio CD.
class AlarmDisc
{
public:
    virtual ~AlarmDisc() = default;
    virtual bool isOpen() const = 0;
    // False when the device cannot be opened; the user has been told why.
    virtual bool open() = 0;
    virtual bool discPresent() = 0;
    virtual void play() = 0;
    // Stops the disc and seeks back to the start of its current track.
    virtual void rewind() = 0;
};
