#pragma once

#include <QObject>
#include <QString>

class SecretStore;
class SettingsStore;

// Where the mail password is kept: in the desktop keyring when one answers, else in the
// settings file (private to the user). A password found in the file is moved to the keyring
// once one takes it, and the file keeps no copy.
class MailPassword : public QObject
{
    Q_OBJECT
public:
    enum class Place { Unknown, Keyring, SettingsFile };

    MailPassword(SettingsStore &settings, SecretStore &secrets, QObject *parent = nullptr);

    // loaded() follows: at once when the file holds the password (the move to the keyring
    // goes on behind it) or no server is set, else when the keyring has answered.
    void load();
    // Stores a typed password where it belongs; an empty one removes it.
    void save(const QString &password);
    Place place() const { return m_place; }
    // For the setup dialog: where the password is, and why not in the keyring.
    QString placeText() const;
    // The keyring's own words when it did not take the password.
    QString whyNotKeyring() const;

Q_SIGNALS:
    void loaded(const QString &password);
    void placeChanged();
    // Something the user should read once, in the activity log.
    void notice(const QString &text);

private:
    void setPlace(Place place, const QString &why = QString());
    void keepInFile(const QString &password);

    SettingsStore &m_settings;
    SecretStore &m_secrets;
    Place m_place = Place::Unknown;
    QString m_why;            // why the keyring is not used
    bool m_noKeyring = false; // none answered: saves go straight to the file
};
