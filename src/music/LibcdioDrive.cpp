#include "music/LibcdioDrive.h"

// cdio.h first: audio.h relies on the types it brings.
#include <cdio/cdio.h>

#include <cdio/audio.h>
#include <cdio/mmc.h>

#include <algorithm>
#include <cstdlib>

namespace {

CdDrive::Result fromDriver(driver_return_code_t code)
{
    if (code == DRIVER_OP_SUCCESS)
        return CdDrive::Result::Ok;
    if (code == DRIVER_OP_UNSUPPORTED || code == DRIVER_OP_NO_DRIVER)
        return CdDrive::Result::Unsupported;
    return CdDrive::Result::Failed;
}

} // namespace

LibcdioDrive::LibcdioDrive(const QString &source)
    : m_source(source)
{
}

LibcdioDrive::~LibcdioDrive()
{
    close();
}

bool LibcdioDrive::attach()
{
    if (m_source.isEmpty()) {
        // No default device means no drive; cdio_open(NULL, ...) would say the same.
        char *device = cdio_get_default_device(nullptr);
        if (!device)
            return false;
        m_cdio = cdio_open(device, DRIVER_DEVICE);
        std::free(device);
    } else {
        m_cdio = cdio_open(m_source.toLocal8Bit().constData(), DRIVER_UNKNOWN);
    }
    m_playing = false;
    m_cursor = -1;
    return m_cdio != nullptr;
}

CdDrive::Result LibcdioDrive::open()
{
    close();
    return attach() ? Result::Ok : Result::NoDrive;
}

void LibcdioDrive::close()
{
    if (m_cdio && m_playing)
        cdio_audio_stop(m_cdio);
    if (m_cdio)
        cdio_destroy(m_cdio);
    m_cdio = nullptr;
    m_playing = false;
}

CdDrive::Result LibcdioDrive::discReady()
{
    if (!m_cdio)
        return Result::NotOpen;
    // libcdio keeps the table of contents it read; after a disc change open afresh so the
    // new disc's tracks are read.
    if (cdio_get_media_changed(m_cdio) == 1) {
        close();
        if (!attach())
            return Result::Failed;
    }
    const track_t tracks = cdio_get_num_tracks(m_cdio);
    return tracks == CDIO_INVALID_TRACK || tracks == 0 ? Result::NoDisc : Result::Ok;
}

CdDrive::Result LibcdioDrive::mediaPresent(bool *present)
{
    const Result result = discReady();
    if (result != Result::Ok && result != Result::NoDisc)
        return result;
    *present = result == Result::Ok;
    return Result::Ok;
}

CdDrive::Result LibcdioDrive::trackCount(int *count)
{
    const Result result = discReady();
    if (result == Result::Ok)
        *count = cdio_get_num_tracks(m_cdio);
    return result;
}

int LibcdioDrive::headLsn()
{
    if (m_cursor >= 0)
        return m_cursor;
    return cdio_get_track_lsn(m_cdio, cdio_get_first_track_num(m_cdio));
}

CdDrive::Result LibcdioDrive::readPlayingLsn(int *lsn)
{
    cdio_subchannel_t sub{};
    const Result result = fromDriver(cdio_audio_read_subchannel(m_cdio, &sub));
    if (result != Result::Ok)
        return result;
    if (sub.audio_status != CDIO_MMC_READ_SUB_ST_PLAY
        && sub.audio_status != CDIO_MMC_READ_SUB_ST_PAUSED)
        m_playing = false; // ended by itself, or stopped by another program
    if (sub.audio_status != CDIO_MMC_READ_SUB_ST_INVALID
        && sub.audio_status != CDIO_MMC_READ_SUB_ST_NO_STATUS)
        *lsn = cdio_msf_to_lsn(&sub.abs_addr);
    return Result::Ok;
}

CdDrive::Result LibcdioDrive::position(Position *at)
{
    const Result ready = discReady();
    if (ready != Result::Ok)
        return ready;
    int lsn = headLsn();
    if (m_playing) {
        if (const Result result = readPlayingLsn(&lsn); result != Result::Ok)
            return result;
        m_cursor = lsn;
    }
    track_t track = cdio_get_track(m_cdio, lsn);
    if (track == CDIO_INVALID_TRACK || track == 0)
        track = cdio_get_first_track_num(m_cdio);
    const int offset = std::max(0, lsn - cdio_get_track_lsn(m_cdio, track));
    at->track = track;
    at->minutes = offset / (60 * kFramesPerSecond);
    at->seconds = offset / kFramesPerSecond % 60;
    at->frames = offset % kFramesPerSecond;
    return Result::Ok;
}

CdDrive::Result LibcdioDrive::play()
{
    const Result ready = discReady();
    if (ready != Result::Ok)
        return ready;
    msf_t start;
    msf_t end;
    cdio_lsn_to_msf(headLsn(), &start);
    cdio_lsn_to_msf(cdio_get_track_lsn(m_cdio, CDIO_CDROM_LEADOUT_TRACK), &end);
    const Result result = fromDriver(cdio_audio_play_msf(m_cdio, &start, &end));
    if (result == Result::Ok)
        m_playing = true;
    return result;
}

CdDrive::Result LibcdioDrive::stop()
{
    if (!m_cdio)
        return Result::NotOpen;
    if (!m_playing)
        return Result::Ok;
    int lsn = headLsn();
    if (readPlayingLsn(&lsn) == Result::Ok)
        m_cursor = lsn; // stopping keeps the place, as a pause would
    m_playing = false;
    return fromDriver(cdio_audio_stop(m_cdio));
}

CdDrive::Result LibcdioDrive::seekToTrack(int track)
{
    const Result ready = discReady();
    if (ready != Result::Ok)
        return ready;
    if (track < cdio_get_first_track_num(m_cdio) || track > cdio_get_last_track_num(m_cdio))
        return Result::NoSuchTrack;
    if (m_playing)
        cdio_audio_stop(m_cdio);
    m_playing = false;
    m_cursor = cdio_get_track_lsn(m_cdio, track_t(track));
    return Result::Ok;
}
