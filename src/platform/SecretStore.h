#pragma once

#include <QString>

#include <functional>

class QObject;

// The desktop's keyring, for secrets that must not lie in a text file. Every call answers
// later, on the UI thread, through `reply`, unless `context` is gone by then.
class SecretStore
{
public:
    enum class Outcome {
        Done,      // read, written or removed
        NotFound,  // the keyring answers but holds nothing under the key
        NoKeyring, // no keyring answers on this desktop
        Refused    // the keyring answered no (locked, denied, failed)
    };
    struct Answer
    {
        Outcome outcome = Outcome::NoKeyring;
        QString secret; // what a read found
        QString reason; // the keyring's words when it did not do it
    };
    using Reply = std::function<void(const Answer &)>;

    virtual ~SecretStore() = default;
    virtual void read(const QString &key, QObject *context, Reply reply) = 0;
    virtual void write(const QString &key, const QString &secret, QObject *context, Reply reply)
        = 0;
    virtual void remove(const QString &key, QObject *context, Reply reply) = 0;
};
