#include "music/MciDevice.h"

namespace {

const QStringList kVerbs{"open", "close", "set", "status", "seek", "play", "stop"};

// The words that only say how to wait; every command here completes before send() returns.
bool isFlag(const QString &word)
{
    return word == QLatin1String("wait") || word == QLatin1String("notify");
}

QString twoDigits(int value)
{
    return QStringLiteral("%1").arg(value, 2, 10, QLatin1Char('0'));
}

} // namespace

MciDevice::MciDevice(CdDrive &drive)
    : m_drive(drive)
{
}

int MciDevice::send(const QString &command, QString *reply)
{
    if (reply)
        reply->clear();
    const QStringList words = command.simplified().toLower().split(u' ', Qt::SkipEmptyParts);
    if (words.isEmpty() || !kVerbs.contains(words.first()))
        return UnknownCommand;
    const QString &verb = words.first();
    if (verb == QLatin1String("open"))
        return open(words);
    if (verb == QLatin1String("close"))
        return close(words);

    if (words.size() < 2)
        return BadValue;
    if (!m_open || words[1] != m_alias)
        return NotOpen;
    QStringList rest = words.mid(2);
    rest.removeIf(isFlag);
    if (verb == QLatin1String("set"))
        return set(rest);
    if (verb == QLatin1String("status"))
        return status(rest, reply);
    if (verb == QLatin1String("seek"))
        return seek(rest);
    if (!rest.isEmpty())
        return BadValue;
    return fromDrive(verb == QLatin1String("play") ? m_drive.play() : m_drive.stop());
}

int MciDevice::open(const QStringList &words)
{
    if (words.size() < 2)
        return BadValue;
    if (words[1] != QLatin1String("cdaudio"))
        return UnknownDevice;
    QString alias = words[1];
    for (qsizetype i = 2; i < words.size(); ++i) {
        if (words[i] == QLatin1String("alias") && i + 1 < words.size())
            alias = words[++i];
        else if (!isFlag(words[i]) && words[i] != QLatin1String("shareable"))
            return BadValue;
    }
    if (m_open)
        return AliasInUse;
    const int result = fromDrive(m_drive.open());
    if (result == Success) {
        m_open = true;
        m_alias = alias;
    }
    return result;
}

int MciDevice::close(const QStringList &words)
{
    QStringList rest = words.mid(1);
    rest.removeIf(isFlag);
    if (rest.size() != 1)
        return BadValue;
    // "close all" closes whatever is open, which may be nothing.
    if (rest.first() != QLatin1String("all") && (!m_open || rest.first() != m_alias))
        return NotOpen;
    if (m_open)
        m_drive.close();
    m_open = false;
    m_alias.clear();
    return Success;
}

int MciDevice::set(const QStringList &rest)
{
    const bool timeFormat = rest.size() == 3 && rest[0] == QLatin1String("time")
        && rest[1] == QLatin1String("format");
    return timeFormat && rest[2] == QLatin1String("tmsf") ? Success : BadValue;
}

int MciDevice::status(const QStringList &rest, QString *reply)
{
    QString answer;
    const QString item = rest.join(u' ');
    if (item == QLatin1String("media present")) {
        bool present = false;
        if (const int result = fromDrive(m_drive.mediaPresent(&present)))
            return result;
        answer = present ? QStringLiteral("true") : QStringLiteral("false");
    } else if (item == QLatin1String("number of tracks")) {
        int count = 0;
        if (const int result = fromDrive(m_drive.trackCount(&count)))
            return result;
        // Two digits always: callers take the first two characters as the count.
        answer = twoDigits(count);
    } else if (item == QLatin1String("position")) {
        CdDrive::Position at;
        if (const int result = fromDrive(m_drive.position(&at)))
            return result;
        answer = QStringList{twoDigits(at.track), twoDigits(at.minutes), twoDigits(at.seconds),
                             twoDigits(at.frames)}
                     .join(u':');
    } else {
        return BadValue;
    }
    if (reply)
        *reply = answer;
    return Success;
}

int MciDevice::seek(const QStringList &rest)
{
    bool isNumber = false;
    const int track
        = rest.size() == 2 && rest[0] == QLatin1String("to") ? rest[1].toInt(&isNumber) : 0;
    if (!isNumber)
        return BadValue;
    return fromDrive(m_drive.seekToTrack(track));
}

int MciDevice::fromDrive(CdDrive::Result result)
{
    switch (result) {
    case CdDrive::Result::Ok:
        return Success;
    case CdDrive::Result::NoDrive:
        return DeviceUnusable;
    case CdDrive::Result::NotOpen:
        return NotOpen;
    case CdDrive::Result::NoDisc:
        return NoDisc;
    case CdDrive::Result::NoSuchTrack:
        return NoSuchTrack;
    case CdDrive::Result::Unsupported:
        return PlayUnsupported;
    case CdDrive::Result::Failed:
        break;
    }
    return DriveFailed;
}

QString MciDevice::errorText(int code)
{
    switch (code) {
    case Success:
        return QStringLiteral("The command completed.");
    case NotOpen:
        return QStringLiteral("The device named in the command is not open.");
    case UnknownCommand:
        return QStringLiteral("The command is not one the audio CD device knows.");
    case DeviceUnusable:
        return QStringLiteral("No CD drive was found (mmsystem262).");
    case AliasInUse:
        return QStringLiteral("The audio CD device is already open under an alias.");
    case UnknownDevice:
        return QStringLiteral("Only the audio CD device (cdaudio) can be opened.");
    case BadValue:
        return QStringLiteral("The command has a word or value the audio CD device does not "
                              "accept.");
    case NoDisc:
        return QStringLiteral("There is no disc in the CD drive.");
    case NoSuchTrack:
        return QStringLiteral("The disc has no track with that number.");
    case PlayUnsupported:
        return QStringLiteral("The CD drive cannot play audio through its own output.");
    case DriveFailed:
        return QStringLiteral("The CD drive reported an error.");
    }
    return QStringLiteral("Unknown audio CD error (%1).").arg(code);
}
