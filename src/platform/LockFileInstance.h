#pragma once

#include "platform/InstanceLock.h"

#include <QLockFile>
#include <QString>

// The single-instance lock: a QLockFile held for the life of this object. A lock left behind
// by a process that died is taken over; a live holder is never waited for.
class LockFileInstance final : public InstanceLock
{
public:
    explicit LockFileInstance(QString lockFilePath);
    ~LockFileInstance() override;

    // <runtime folder>/orvane.lock: $XDG_RUNTIME_DIR, else a per-user folder under the
    // temporary location.
    static QString defaultPath();

    bool tryLock() override;

private:
    QString m_path;
    QLockFile m_lock;
};
