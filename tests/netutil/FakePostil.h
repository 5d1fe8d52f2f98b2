#pragma once

#include <QWidget>

// Stands in for the mail checker control: the same properties, method and signals by name,
// a count of the checks asked for, and the events raised on demand.
class FakePostil : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(QString Server MEMBER server)
    Q_PROPERTY(QString User MEMBER user)
    Q_PROPERTY(QString Password MEMBER password)
    Q_PROPERTY(QString Security MEMBER security)
    Q_PROPERTY(int MailPort MEMBER port)
    Q_PROPERTY(QString TrustedCertificate MEMBER trusted)
    Q_PROPERTY(QString RefusedCertificate MEMBER refused)
public:
    QString server, user, password, security, trusted, refused;
    int port = -1;
    int checks = 0;

public Q_SLOTS:
    void CheckNewMail() { ++checks; }

Q_SIGNALS:
    void NewMail(int NumMsgs);
    void NoMail();
    void Noisy(const QString &POPresponse);
    void SockError(const QString &ErrorStats);
};
