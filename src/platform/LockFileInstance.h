#pragma once

#include "platform/InstanceLock.h"

#include <QLockFile>
#include <QString>

#include <memory>

class QLocalServer;

// The single-instance lock: a QLockFile held for the life of this object. A lock left behind
// by a process that died is taken over; a live holder is waited for only when asked.
class LockFileInstance final : public InstanceLock
{
public:
    explicit LockFileInstance(QString lockFilePath);
    ~LockFileInstance() override;

    // <folder>/orvane.lock in $XDG_RUNTIME_DIR, else in a folder of our own under the user's
    // cache, ${XDG_CACHE_HOME:-~/.cache}/Orvanenm: never in a folder other users share.
    static QString defaultPath();

    // Makes a missing folder for this user alone. Throws OrvaneError naming the folder when
    // it belongs to another user or others may write to it: whoever can put files there can
    // keep the program from starting, or take its lock.
    bool tryLock() override;
    bool waitForLock(int waitMs) override;
    // Over a local socket beside the lock, in the same private folder.
    void listenForShowRequests(std::function<void(const QString &token)> onShow) override;
    bool requestShow(const QString &token) override;
    QString socketPath() const;

private:
    QString m_path;
    QLockFile m_lock;
    std::unique_ptr<QLocalServer> m_server;
};
