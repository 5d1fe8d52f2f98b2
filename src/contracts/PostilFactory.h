#pragma once

#include <QtPlugin>

class QString;
class QWidget;

// What the mail checker library offers its host: a new checker control. The host reaches the
// control's properties (Server, MailPort, User, Password), its method CheckNewMail() and its
// signals NewMail(int), NoMail(), Noisy(QString) and SockError(QString) by name, through the
// meta-object, so it needs no more than this header.
class PostilFactory
{
public:
    virtual ~PostilFactory() = default;
    virtual QWidget *createControl(QWidget *parent) = 0;
};

#define PostilFactory_iid "PostilLib.Postil"
Q_DECLARE_INTERFACE(PostilFactory, PostilFactory_iid)

// The library's second offer, beside the first so that a host built for the first still
// loads it: a checker for a named protocol, "POP3" or "IMAP" (null for any other). Checkers
// have the POP3 control's properties, method and signals, and also Security ("None",
// "STARTTLS", "SSL/TLS"), TrustedCertificate (a SHA-256 fingerprint) and the read-only
// RefusedCertificate (the fingerprint of the certificate the last check refused).
class MailCheckerFactory
{
public:
    virtual ~MailCheckerFactory() = default;
    virtual QWidget *createChecker(const QString &protocol, QWidget *parent) = 0;
};

#define MailCheckerFactory_iid "PostilLib.MailChecker/1"
Q_DECLARE_INTERFACE(MailCheckerFactory, MailCheckerFactory_iid)
