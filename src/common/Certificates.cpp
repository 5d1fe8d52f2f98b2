#include "common/Certificates.h"

#include <QCryptographicHash>
#include <QSslCertificate>

QString sha256Fingerprint(const QSslCertificate &certificate)
{
    if (certificate.isNull())
        return {};
    const QByteArray digest = certificate.digest(QCryptographicHash::Sha256);
    return QString::fromLatin1(digest.toHex(':').toUpper());
}

namespace {

QString bareHex(const QString &fingerprint)
{
    QString hex;
    for (const QChar c : fingerprint)
        if (c.isLetterOrNumber())
            hex += c.toLower();
    return hex;
}

} // namespace

bool sameFingerprint(const QString &a, const QString &b)
{
    const QString left = bareHex(a);
    return !left.isEmpty() && left == bareHex(b);
}
