#include "platform/LockFileInstance.h"

#include "common/OrvaneError.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>

#include <algorithm>

#include <sys/stat.h>
#include <unistd.h>

namespace {

// "show", a blank and the token where there is one, then LF.
const QByteArray kShowRequest = QByteArrayLiteral("show");
constexpr qsizetype kLongestRequest = 512;
constexpr int kDeliveryMs = 1000; // a holder that does not take the request in time is left

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
    m_server.reset(); // removes the socket while the lock still says it is ours
    m_lock.unlock();
}

QString LockFileInstance::socketPath() const
{
    return QFileInfo(m_path).absolutePath() + QLatin1String("/orvane.socket");
}

void LockFileInstance::listenForShowRequests(std::function<void(const QString &token)> onShow)
{
    if (!m_lock.isLocked())
        return;
    // Only the lock's holder listens, so a socket file left here is a dead holder's.
    QLocalServer::removeServer(socketPath());
    m_server = std::make_unique<QLocalServer>();
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    if (!m_server->listen(socketPath())) {
        m_server.reset(); // later starts then end silently, as before
        return;
    }
    QObject::connect(m_server.get(), &QLocalServer::newConnection, m_server.get(), [this, onShow] {
        while (QLocalSocket *peer = m_server->nextPendingConnection()) {
            QObject::connect(peer, &QLocalSocket::disconnected, peer, &QObject::deleteLater);
            QObject::connect(peer, &QLocalSocket::readyRead, peer, [peer, onShow] {
                // One short request per connection; anything else is dropped unread.
                if (!peer->canReadLine() && peer->bytesAvailable() <= kLongestRequest)
                    return;
                const QByteArray line = peer->readLine(kLongestRequest + 1);
                peer->disconnectFromServer();
                if (!line.endsWith('\n'))
                    return;
                const QByteArray request = line.chopped(1);
                if (request == kShowRequest)
                    onShow({});
                else if (request.startsWith(kShowRequest + ' '))
                    onShow(QString::fromUtf8(request.mid(kShowRequest.size() + 1)));
            });
        }
    });
}

bool LockFileInstance::requestShow(const QString &token)
{
    QLocalSocket peer;
    peer.connectToServer(socketPath());
    if (!peer.waitForConnected(kDeliveryMs))
        return false;
    // A token is printable ASCII; anything else is not handed on.
    const QByteArray sent = token.toUtf8();
    const bool plain = sent.size() < kLongestRequest - kShowRequest.size() - 2
        && std::all_of(sent.begin(), sent.end(), [](char c) { return c > ' ' && c < 127; });
    peer.write(plain && !sent.isEmpty() ? kShowRequest + ' ' + sent + '\n' : kShowRequest + '\n');
    const bool written = peer.waitForBytesWritten(kDeliveryMs);
    peer.disconnectFromServer();
    if (peer.state() != QLocalSocket::UnconnectedState)
        peer.waitForDisconnected(kDeliveryMs);
    return written;
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
    return waitForLock(0);
}

bool LockFileInstance::waitForLock(int waitMs)
{
    if (m_lock.isLocked())
        return true;

    const QString folder = QFileInfo(m_path).absolutePath();
    if (!QFileInfo::exists(folder) && QDir().mkpath(folder))
        QFile::setPermissions(
            folder, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    checkPrivate(folder);
    return m_lock.tryLock(waitMs);
}
