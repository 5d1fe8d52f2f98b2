#include "platform/LockFileInstance.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include <unistd.h>

LockFileInstance::LockFileInstance(QString lockFilePath)
    : m_path(std::move(lockFilePath))
    , m_lock(m_path)
{
    // The dashboard holds the lock for hours; only a dead holder makes it stale, never age.
    m_lock.setStaleLockTime(0);
}

LockFileInstance::~LockFileInstance()
{
    m_lock.unlock();
}

QString LockFileInstance::defaultPath()
{
    QString folder = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (folder.isEmpty() || !QFileInfo(folder).isDir()) {
        folder = QStandardPaths::writableLocation(QStandardPaths::TempLocation)
                 + QLatin1String("/orvane-") + QString::number(::getuid());
    }
    return folder + QLatin1String("/orvane.lock");
}

bool LockFileInstance::tryLock()
{
    if (m_lock.isLocked())
        return true;

    const QString folder = QFileInfo(m_path).absolutePath();
    if (!QFileInfo(folder).isDir()) {
        // A folder we make under the shared temporary location is for this user alone.
        if (!QDir().mkpath(folder))
            return false;
        QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::WriteOwner
                                          | QFileDevice::ExeOwner);
    }
    return m_lock.tryLock(0);
}
