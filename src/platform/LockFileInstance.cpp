#include "platform/LockFileInstance.h"

#include "common/OrvaneError.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <sys/stat.h>
#include <unistd.h>

namespace {

void checkPrivate(const QString &folder)
{
    struct stat info = {};
    if (::stat(QFile::encodeName(folder).constData(), &info) != 0 || !S_ISDIR(info.st_mode))
        throw OrvaneError(QStringLiteral("Could not make the lock folder '%1'").arg(folder),
                          OrvaneError::PathFileAccessError);
    if (info.st_uid != ::geteuid())
        throw OrvaneError(QStringLiteral("The lock folder '%1' belongs to another user; "
                                         "remove it or use a folder of your own")
                              .arg(folder),
                          OrvaneError::PermissionDenied);
    if (info.st_mode & (S_IWGRP | S_IWOTH))
        throw OrvaneError(QStringLiteral("Others may write to the lock folder '%1'; "
                                         "make it writable by you alone")
                              .arg(folder),
                          OrvaneError::PermissionDenied);
}

} // namespace

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
    if (folder.isEmpty() || QDir::isRelativePath(folder) || !QFileInfo(folder).isDir()) {
        QString cache = qEnvironmentVariable("XDG_CACHE_HOME");
        if (cache.isEmpty() || QDir::isRelativePath(cache)) // relative ones are to be ignored
            cache = QDir::homePath() + QLatin1String("/.cache");
        folder = cache + QLatin1String("/Orvanenm");
    }
    return folder + QLatin1String("/orvane.lock");
}

bool LockFileInstance::tryLock()
{
    if (m_lock.isLocked())
        return true;

    const QString folder = QFileInfo(m_path).absolutePath();
    if (!QFileInfo::exists(folder) && QDir().mkpath(folder))
        QFile::setPermissions(
            folder, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    checkPrivate(folder);
    return m_lock.tryLock(0);
}
