#pragma once

#include <QList>
#include <QObject>
#include <QString>

// Desktop notifications: a short notice that reaches the user while the dashboard is hidden.
// A notice never replaces what the dashboard shows; it only adds a way to see it.
class Notifier : public QObject
{
    Q_OBJECT
public:
    struct Action
    {
        QString key;
        QString label;
    };
    struct Notice
    {
        QString tag; // a newer notice with the same tag replaces the one shown
        QString summary;
        QString body;
        QList<Action> actions; // offered only where the desktop shows actions
        bool urgent = false;
    };

    using QObject::QObject;

    virtual void notify(const Notice &notice) = 0;
    // Takes the notice with this tag away, if it is still shown.
    virtual void withdraw(const QString &tag) = 0;

Q_SIGNALS:
    // The user chose one of the notice's actions.
    void actionInvoked(const QString &tag, const QString &key);
};
