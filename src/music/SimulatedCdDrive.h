#pragma once

#include "platform/CdDrive.h"

#include <QList>
#include <QString>

#include <memory>

// A CD drive in memory. Whoever holds it inserts and removes discs and moves a playing disc
// on by hand; nothing here follows the real clock. Used by the tests, and by the program
// when ORVANE_SIMULATED_CD asks for it, so the CD alarm can be tried without a disc.
class SimulatedCdDrive final : public CdDrive
{
public:
    // attached false: a machine without any drive, open() fails.
    explicit SimulatedCdDrive(bool attached = true);

    // The drive ORVANE_SIMULATED_CD describes: a track count gives a disc of that many
    // four-minute tracks, "0" an empty drive, anything else no drive at all.
    static std::unique_ptr<SimulatedCdDrive> fromSetting(const QString &setting);

    // A disc of tracks with these lengths in seconds; the head at the start of track 1.
    void insertDisc(const QList<int> &trackSeconds);
    void removeDisc();
    // A drive that reads discs but has no analogue output to play them.
    void setPlaySupported(bool supported) { m_playSupported = supported; }
    // Moves a playing disc on; play ends at the end of the last track.
    void advance(int frames);

    bool isOpen() const { return m_open; }
    bool playing() const { return m_playing; }
    int opens() const { return m_opens; }
    int trackCountQueries() const { return m_trackCountQueries; }
    int positionQueries() const { return m_positionQueries; }
    const QList<int> &seeks() const { return m_seeks; }

    Result open() override;
    void close() override;
    Result mediaPresent(bool *present) override;
    Result trackCount(int *count) override;
    Result position(Position *at) override;
    Result play() override;
    Result stop() override;
    Result seekToTrack(int track) override;

private:
    Result ready() const;
    int discFrames() const;

    bool m_attached;
    bool m_open = false;
    bool m_playSupported = true;
    bool m_playing = false;
    QList<int> m_trackFrames; // empty: no disc
    int m_at = 0;             // frames from the start of the disc
    int m_opens = 0;
    int m_trackCountQueries = 0;
    int m_positionQueries = 0;
    QList<int> m_seeks;
};
