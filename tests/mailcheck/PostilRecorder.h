#pragma once

#include "mailcheck/MailCheck.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QStringList>

#include <functional>

// Everything a mail checker tells its host, in order: "Noisy:text", "NewMail:n", "NoMail",
// "SockError:text".
struct PostilRecorder
{
    explicit PostilRecorder(MailCheck &box)
    {
        QObject::connect(&box, &MailCheck::Noisy, [this](const QString &t) { add("Noisy:" + t); });
        QObject::connect(&box, &MailCheck::NewMail,
                         [this](int n) { add("NewMail:" + QString::number(n)); });
        QObject::connect(&box, &MailCheck::NoMail, [this] { add(QStringLiteral("NoMail")); });
        QObject::connect(&box, &MailCheck::SockError,
                         [this](const QString &t) { add("SockError:" + t); });
    }
    void add(const QString &event) { events.append(event); }
    bool saw(const QString &event) const { return events.contains(event); }
    qsizetype count(const QString &prefix) const
    {
        return std::count_if(events.begin(), events.end(),
                             [&](const QString &e) { return e.startsWith(prefix); });
    }

    QStringList events;
};

// Runs the event loop until done() holds or the network has had ample time (it is loopback).
inline bool runUntil(const std::function<bool()> &done, int ms = 10000)
{
    QDeadlineTimer deadline(ms);
    while (!done() && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 20);
    return done();
}
