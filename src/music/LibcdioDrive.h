#pragma once

#include "platform/CdDrive.h"

#include <QString>

struct _CdIo;

// A real CD drive through libcdio. The disc plays through the drive's own analogue output,
// as the alarm always did; drives without one, and disc images, answer play, stop and the
// playing position with Unsupported. Without any drive open() fails cleanly with NoDrive.
class LibcdioDrive final : public CdDrive
{
public:
    // source empty: the system's default drive; otherwise a device path or a disc image
    // (a CUE sheet), which the tests use.
    explicit LibcdioDrive(const QString &source = {});
    ~LibcdioDrive() override;
    LibcdioDrive(const LibcdioDrive &) = delete;
    LibcdioDrive &operator=(const LibcdioDrive &) = delete;

    Result open() override;
    void close() override;
    Result mediaPresent(bool *present) override;
    Result trackCount(int *count) override;
    Result position(Position *at) override;
    Result play() override;
    Result stop() override;
    Result seekToTrack(int track) override;

private:
    bool attach();
    Result discReady();
    int headLsn(); // where play would start: the cursor, or the first track
    Result readPlayingLsn(int *lsn);

    QString m_source;
    _CdIo *m_cdio = nullptr;
    bool m_playing = false;
    int m_cursor = -1; // logical sector of the head when not playing; -1: first track
};
