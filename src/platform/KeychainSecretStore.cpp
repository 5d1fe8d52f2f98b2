#include "platform/KeychainSecretStore.h"
#include "platform/AppId.h"

#include <qt6keychain/keychain.h>

#include <QDBusConnection>
#include <QTimer>

namespace {

SecretStore::Answer answerOf(const QKeychain::Job &job, const QString &secret)
{
    switch (job.error()) {
    case QKeychain::NoError:
        return {SecretStore::Outcome::Done, secret, {}};
    case QKeychain::EntryNotFound:
        return {SecretStore::Outcome::NotFound, {}, job.errorString()};
    case QKeychain::NoBackendAvailable:
    case QKeychain::NotImplemented:
        return {SecretStore::Outcome::NoKeyring, {}, job.errorString()};
    default:
        return {SecretStore::Outcome::Refused, {}, job.errorString()};
    }
}

// Starts a job whose answer reaches `reply` while `context` lives. Without a session bus
// there is no keyring to ask, and the library would try to start a bus of its own.
template<typename JobType, typename Read>
void run(JobType *job, const QString &key, QObject *context, SecretStore::Reply reply, Read read)
{
    if (!QDBusConnection::sessionBus().isConnected()) {
        delete job;
        QTimer::singleShot(0, context, [reply = std::move(reply)] {
            reply({SecretStore::Outcome::NoKeyring, {}, QStringLiteral("no session bus")});
        });
        return;
    }
    job->setAutoDelete(true);
    job->setInsecureFallback(false);
    job->setKey(key);
    QObject::connect(job, &QKeychain::Job::finished, context,
                     [reply = std::move(reply), read](QKeychain::Job *finished) {
                         reply(answerOf(*finished, read(finished)));
                     });
    job->start();
}

QString serviceName()
{
    return AppId::kId;
}

} // namespace

void KeychainSecretStore::read(const QString &key, QObject *context, Reply reply)
{
    run(new QKeychain::ReadPasswordJob(serviceName()), key, context, std::move(reply),
        [](QKeychain::Job *job) {
            return static_cast<QKeychain::ReadPasswordJob *>(job)->textData();
        });
}

void KeychainSecretStore::write(const QString &key, const QString &secret, QObject *context,
                                Reply reply)
{
    auto *job = new QKeychain::WritePasswordJob(serviceName());
    job->setTextData(secret);
    run(job, key, context, std::move(reply), [](QKeychain::Job *) { return QString(); });
}

void KeychainSecretStore::remove(const QString &key, QObject *context, Reply reply)
{
    run(new QKeychain::DeletePasswordJob(serviceName()), key, context, std::move(reply),
        [](QKeychain::Job *) { return QString(); });
}
