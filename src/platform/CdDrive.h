#pragma once

// An audio-CD drive, as the CD command interpreter needs it: is a disc in, how many tracks,
// where is the head, play from there, stop, go to a track. A real drive sits behind one
// adapter, a drive in memory behind another, so the alarm's CD source can be tested without
// a disc.
class CdDrive
{
public:
    enum class Result {
        Ok,
        NoDrive, // no usable drive: none attached, or it could not be opened
        NotOpen, // asked before open() succeeded
        NoDisc,
        NoSuchTrack,
        Unsupported, // the drive cannot do this (a drive without analogue output, an image)
        Failed,      // the drive refused or reported an error
    };

    // Where the head stands: track number, then minutes, seconds and frames (75 a second)
    // counted from the start of that track.
    struct Position
    {
        int track = 0;
        int minutes = 0;
        int seconds = 0;
        int frames = 0;
    };

    static constexpr int kFramesPerSecond = 75;

    virtual ~CdDrive() = default;

    virtual Result open() = 0;
    virtual void close() = 0;
    virtual Result mediaPresent(bool *present) = 0;
    virtual Result trackCount(int *count) = 0;
    virtual Result position(Position *at) = 0;
    // Plays from the current position to the end of the disc, without waiting.
    virtual Result play() = 0;
    // Keeps the position; stopping a drive that does not play is no error.
    virtual Result stop() = 0;
    // Stops any play and moves to the start of the track.
    virtual Result seekToTrack(int track) = 0;
};
