#pragma once

#include <QString>

class QSslCertificate;

// A certificate as people compare them by eye: the SHA-256 of its DER form in upper-case hex
// pairs joined by colons ("AB:CD:…").
QString sha256Fingerprint(const QSslCertificate &certificate);

// Two fingerprints as stored or pasted: case, colons and blanks do not matter. An empty one
// matches nothing.
bool sameFingerprint(const QString &a, const QString &b);
