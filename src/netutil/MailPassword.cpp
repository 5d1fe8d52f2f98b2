#include "netutil/MailPassword.h"

#include "platform/SecretStore.h"
#include "platform/SettingsStore.h"

namespace {

const QString kPasswordSection = QStringLiteral("Settings");
const QString kPasswordKey = QStringLiteral("Password");
// The keyring holds one mail password, as the settings hold one account.
const QString kSecretKey = QStringLiteral("mail password");

using Outcome = SecretStore::Outcome;

} // namespace

MailPassword::MailPassword(SettingsStore &settings, SecretStore &secrets, QObject *parent)
    : QObject(parent)
    , m_settings(settings)
    , m_secrets(secrets)
{
}

void MailPassword::load()
{
    const QString stored = m_settings.getSetting(kPasswordSection, kPasswordKey);
    if (!stored.isEmpty()) {
        Q_EMIT loaded(stored);
        m_secrets.write(
            kSecretKey, stored, this, [this, stored](const SecretStore::Answer &answer) {
                if (answer.outcome != Outcome::Done) {
                    m_noKeyring = answer.outcome == Outcome::NoKeyring;
                    setPlace(Place::SettingsFile, answer.reason);
                    return;
                }
                // A password saved meanwhile stays where that save put it.
                if (m_settings.getSetting(kPasswordSection, kPasswordKey) == stored)
                    m_settings.saveSetting(kPasswordSection, kPasswordKey, QString());
                setPlace(Place::Keyring);
                Q_EMIT notice(QStringLiteral(
                    "The mail password moved from settings.ini to the desktop keyring."));
            });
        return;
    }
    // Without a mail account there is nothing to read, and no reason to wake the keyring.
    if (m_settings.getSetting(kPasswordSection, QStringLiteral("Server")).isEmpty()) {
        Q_EMIT loaded(QString());
        return;
    }
    m_secrets.read(kSecretKey, this, [this](const SecretStore::Answer &answer) {
        if (answer.outcome == Outcome::Done || answer.outcome == Outcome::NotFound) {
            setPlace(Place::Keyring);
        } else {
            m_noKeyring = answer.outcome == Outcome::NoKeyring;
            setPlace(Place::SettingsFile, answer.reason);
        }
        Q_EMIT loaded(answer.secret);
    });
}

void MailPassword::save(const QString &password)
{
    if (m_noKeyring) {
        keepInFile(password);
        return;
    }
    auto stored = [this, password](const SecretStore::Answer &answer) {
        if (answer.outcome == Outcome::Done
            || (password.isEmpty() && answer.outcome == Outcome::NotFound)) {
            if (!m_settings.getSetting(kPasswordSection, kPasswordKey).isEmpty())
                m_settings.saveSetting(kPasswordSection, kPasswordKey, QString());
            setPlace(Place::Keyring);
            return;
        }
        m_noKeyring = answer.outcome == Outcome::NoKeyring;
        keepInFile(password);
        setPlace(Place::SettingsFile, answer.reason);
        if (!password.isEmpty())
            Q_EMIT notice(QStringLiteral("The desktop keyring did not take the mail password (%1); "
                                         "it is kept in settings.ini.")
                              .arg(answer.reason));
    };
    if (password.isEmpty())
        m_secrets.remove(kSecretKey, this, stored);
    else
        m_secrets.write(kSecretKey, password, this, stored);
}

void MailPassword::keepInFile(const QString &password)
{
    m_settings.saveSetting(kPasswordSection, kPasswordKey, password);
}

void MailPassword::setPlace(Place place, const QString &why)
{
    if (m_place == place && m_why == why)
        return;
    m_place = place;
    m_why = why;
    Q_EMIT placeChanged();
}

QString MailPassword::whyNotKeyring() const
{
    return m_place == Place::SettingsFile ? m_why : QString();
}

QString MailPassword::placeText() const
{
    switch (m_place) {
    case Place::Keyring:
        return QStringLiteral("The password is kept in the desktop keyring.");
    case Place::SettingsFile:
        return QStringLiteral("The password is kept in settings.ini, which only you can read: %1.")
            .arg(m_noKeyring ? QStringLiteral("no desktop keyring answered")
                             : QStringLiteral("the keyring refused it"));
    case Place::Unknown:
        break;
    }
    return {};
}
