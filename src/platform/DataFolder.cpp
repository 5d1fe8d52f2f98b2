#include "platform/DataFolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <unistd.h>

namespace {

// QFileInfo::isWritable answers from the permission bits; access() also knows read-only mounts.
bool writable(const QString &folder)
{
    return ::access(QFile::encodeName(folder).constData(), W_OK) == 0;
}

} // namespace

const QStringList &DataFolder::seeds()
{
    // The webcam favourites start as the shipped example list.
    static const QStringList names{QStringLiteral("Events.mdb"), QStringLiteral("Bills.mdb"),
                                   QStringLiteral("Address.mdb"), QStringLiteral("favorites.dat")};
    return names;
}

QString DataFolder::userFolder()
{
    // A relative XDG_DATA_HOME is invalid and must be ignored.
    QString data = qEnvironmentVariable("XDG_DATA_HOME");
    if (data.isEmpty() || QDir::isRelativePath(data))
        data = QDir::homePath() + QLatin1String("/.local/share");
    return data + QLatin1String("/Orvanenm");
}

QString DataFolder::choose(const QString &programFolder, bool installed)
{
    const QString own = qEnvironmentVariable("ORVANE_APP_DIR");
    if (!own.isEmpty())
        return own;
    if (!installed && writable(programFolder))
        return programFolder;
    const QString user = userFolder();
    // Without a folder of its own the program still runs; its writes fail as they would have.
    return prepare(user, programFolder) ? user : programFolder;
}

bool DataFolder::prepare(const QString &folder, const QString &programFolder)
{
    if (!QDir().mkpath(folder))
        return false;
    for (const QString &name : seeds()) {
        const QString target = folder + u'/' + name;
        const QString seed = programFolder + u'/' + name;
        if (QFileInfo::exists(target) || !QFileInfo::exists(seed))
            continue;
        // Copied under a temporary name and renamed: a half-copied database never shows.
        const QString part = target + QLatin1String(".part");
        QFile::remove(part);
        if (!QFile::copy(seed, part))
            continue;
        QFile::setPermissions(part, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
        if (!QFile::rename(part, target))
            QFile::remove(part);
    }
    return true;
}
