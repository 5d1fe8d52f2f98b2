#pragma once

#include <QString>
#include <QStringList>

class SettingsStore;

// How the mail account is reached, beside its server, user name and password: the protocol,
// the security, the port, and the one certificate the user chose to trust. Stored in section
// "Settings" as Protocol, Security, Port and TrustedCertificate.
struct MailConnection
{
    QString protocol = QStringLiteral("POP3");    // "POP3" or "IMAP"
    QString security = QStringLiteral("SSL/TLS"); // "None", "STARTTLS" or "SSL/TLS"
    QString port;                                 // as typed; empty: the usual one
    QString trustedCertificate;                   // a SHA-256 fingerprint, or empty

    static const QStringList &protocols();
    static const QStringList &securities();

    // A profile from before these settings, with a server and no security, keeps plain text,
    // as it worked; a new one starts encrypted. A stored value not understood reads as the
    // default, and for the security that is never plain text.
    static MailConnection load(SettingsStore &settings);
    void save(SettingsStore &settings) const;
    // The typed port, or 0 (the checker's usual port) when empty or not a port.
    int portNumber() const;
};
