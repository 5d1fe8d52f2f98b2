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
public:
    QString server, user, password;
    int checks = 0;

public Q_SLOTS:
    void CheckNewMail() { ++checks; }

Q_SIGNALS:
    void NewMail(int NumMsgs);
    void NoMail();
    void Noisy(const QString &POPresponse);
    void SockError(const QString &ErrorStats);
};
