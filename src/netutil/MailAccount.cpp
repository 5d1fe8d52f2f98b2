#include "netutil/MailAccount.h"

#include "platform/SettingsStore.h"

namespace {

const QString kConnectionSection = QStringLiteral("Settings");

QString oneOf(const QStringList &choices, const QString &stored, const QString &fallback)
{
    for (const QString &choice : choices)
        if (choice.compare(stored.trimmed(), Qt::CaseInsensitive) == 0)
            return choice;
    return fallback;
}

} // namespace

const QStringList &MailConnection::protocols()
{
    static const QStringList list{QStringLiteral("POP3"), QStringLiteral("IMAP")};
    return list;
}

const QStringList &MailConnection::securities()
{
    static const QStringList list{QStringLiteral("None"), QStringLiteral("STARTTLS"),
                                  QStringLiteral("SSL/TLS")};
    return list;
}

MailConnection MailConnection::load(SettingsStore &settings)
{
    auto read = [&](const char *key) {
        return settings.getSetting(kConnectionSection, QString::fromLatin1(key));
    };
    MailConnection connection;
    connection.protocol = oneOf(protocols(), read("Protocol"), connection.protocol);
    const QString security = read("Security");
    if (security.isEmpty() && !read("Server").isEmpty())
        connection.security = QStringLiteral("None");
    else
        connection.security = oneOf(securities(), security, connection.security);
    connection.port = read("Port").trimmed();
    connection.trustedCertificate = read("TrustedCertificate").trimmed();
    return connection;
}

void MailConnection::save(SettingsStore &settings) const
{
    settings.saveSetting(kConnectionSection, QStringLiteral("Protocol"), protocol);
    settings.saveSetting(kConnectionSection, QStringLiteral("Security"), security);
    settings.saveSetting(kConnectionSection, QStringLiteral("Port"), port);
    settings.saveSetting(kConnectionSection, QStringLiteral("TrustedCertificate"),
                         trustedCertificate);
}

int MailConnection::portNumber() const
{
    bool ok = false;
    const int number = port.toInt(&ok);
    return ok && number > 0 && number <= 65535 ? number : 0;
}
