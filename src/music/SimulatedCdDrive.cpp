#include "music/SimulatedCdDrive.h"

#include <algorithm>

SimulatedCdDrive::SimulatedCdDrive(bool attached)
    : m_attached(attached)
{
}

std::unique_ptr<SimulatedCdDrive> SimulatedCdDrive::fromSetting(const QString &setting)
{
    bool isNumber = false;
    const int tracks = setting.trimmed().toInt(&isNumber);
    if (!isNumber || tracks < 0 || tracks > 99)
        return std::make_unique<SimulatedCdDrive>(false);
    auto drive = std::make_unique<SimulatedCdDrive>(true);
    if (tracks > 0)
        drive->insertDisc(QList<int>(tracks, 240));
    return drive;
}

void SimulatedCdDrive::insertDisc(const QList<int> &trackSeconds)
{
    m_trackFrames.clear();
    for (int seconds : trackSeconds)
        m_trackFrames.append(std::max(seconds, 1) * kFramesPerSecond);
    m_at = 0;
    m_playing = false;
}

void SimulatedCdDrive::removeDisc()
{
    m_trackFrames.clear();
    m_at = 0;
    m_playing = false;
}

void SimulatedCdDrive::advance(int frames)
{
    if (!m_playing)
        return;
    m_at = std::min(m_at + std::max(frames, 0), discFrames());
    if (m_at == discFrames())
        m_playing = false;
}

int SimulatedCdDrive::discFrames() const
{
    int total = 0;
    for (int frames : m_trackFrames)
        total += frames;
    return total;
}

CdDrive::Result SimulatedCdDrive::open()
{
    if (!m_attached)
        return Result::NoDrive;
    m_open = true;
    ++m_opens;
    return Result::Ok;
}

void SimulatedCdDrive::close()
{
    m_open = false;
    m_playing = false;
}

CdDrive::Result SimulatedCdDrive::ready() const
{
    if (!m_open)
        return Result::NotOpen;
    return m_trackFrames.isEmpty() ? Result::NoDisc : Result::Ok;
}

CdDrive::Result SimulatedCdDrive::mediaPresent(bool *present)
{
    if (!m_open)
        return Result::NotOpen;
    *present = !m_trackFrames.isEmpty();
    return Result::Ok;
}

CdDrive::Result SimulatedCdDrive::trackCount(int *count)
{
    ++m_trackCountQueries;
    const Result result = ready();
    if (result == Result::Ok)
        *count = int(m_trackFrames.size());
    return result;
}

CdDrive::Result SimulatedCdDrive::position(Position *at)
{
    ++m_positionQueries;
    const Result result = ready();
    if (result != Result::Ok)
        return result;
    // The end of the disc reads as the end of the last track, not as a track past it.
    int track = 0;
    int offset = m_at;
    while (track < m_trackFrames.size() - 1 && offset >= m_trackFrames[track])
        offset -= m_trackFrames[track++];
    at->track = track + 1;
    at->minutes = offset / (60 * kFramesPerSecond);
    at->seconds = offset / kFramesPerSecond % 60;
    at->frames = offset % kFramesPerSecond;
    return Result::Ok;
}

CdDrive::Result SimulatedCdDrive::play()
{
    const Result result = ready();
    if (result != Result::Ok)
        return result;
    if (!m_playSupported)
        return Result::Unsupported;
    m_playing = m_at < discFrames();
    return Result::Ok;
}

CdDrive::Result SimulatedCdDrive::stop()
{
    if (!m_open)
        return Result::NotOpen;
    m_playing = false;
    return Result::Ok;
}

CdDrive::Result SimulatedCdDrive::seekToTrack(int track)
{
    const Result result = ready();
    if (result != Result::Ok)
        return result;
    if (track < 1 || track > m_trackFrames.size())
        return Result::NoSuchTrack;
    m_seeks.append(track);
    m_playing = false;
    m_at = 0;
    for (int i = 0; i < track - 1; ++i)
        m_at += m_trackFrames[i];
    return Result::Ok;
}
