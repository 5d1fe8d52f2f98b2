#pragma once

#include "platform/SecretStore.h"

// The Secret Service keyring of the desktop (GNOME Keyring, KWallet) through QtKeychain.
// Never the library's plain-text fall-back: without a keyring the caller decides.
class KeychainSecretStore final : public SecretStore
{
public:
    void read(const QString &key, QObject *context, Reply reply) override;
    void write(const QString &key, const QString &secret, QObject *context, Reply reply) override;
    void remove(const QString &key, QObject *context, Reply reply) override;
};
