#pragma once

#include "platform/CdDrive.h"

#include <QString>
#include <QStringList>

// The audio-CD command strings the dashboard sends, interpreted over a CdDrive:
//   open cdaudio [alias <name>] [wait] [shareable]      close all | close <name>
//   set <name> time format tmsf                          status <name> media present
//   status <name> number of tracks                       status <name> position
//   seek <name> to <track>      play <name>      stop <name>
// Words are matched without regard to case and any run of spaces counts as one; "wait",
// "notify" and "shareable" are accepted and change nothing (every command completes before
// send() returns). Only the tmsf time format is known: positions read "TT:MM:SS:FF".
class MciDevice
{
public:
    // Result codes of send(); errorText() gives each its message.
    enum Code {
        Success = 0,
        NotOpen = 257, // the command names a device that is not open
        UnknownCommand = 261,
        // No usable drive: none attached, or the drive could not be opened (busy, no
        // permission). Its text names the system code "mmsystem262"; this code alone makes the
        // dashboard beep.
        DeviceUnusable = 262,
        AliasInUse = 263,
        UnknownDevice = 264,
        BadValue = 265,
        NoDisc = 266,
        NoSuchTrack = 267,
        PlayUnsupported = 268,
        DriveFailed = 269,
    };

    explicit MciDevice(CdDrive &drive);

    // Runs one command; reply (when given) receives the answer of a status query and is
    // emptied otherwise. Returns Success or an error code.
    int send(const QString &command, QString *reply);
    static QString errorText(int code);

    bool isOpen() const { return m_open; }

private:
    int open(const QStringList &words);
    int close(const QStringList &words);
    int set(const QStringList &rest);
    int status(const QStringList &rest, QString *reply);
    int seek(const QStringList &rest);
    static int fromDrive(CdDrive::Result result);

    CdDrive &m_drive;
    bool m_open = false;
    QString m_alias;
};
