#pragma once

#include "mailcheck/Postil.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QStringList>

#include <functional>

// Everything a Postil tells its host, in order: "Noisy:text", "NewMail:n", "NoMail",
// "SockError:text".
struct PostilRecorder
{
    explicit PostilRecorder(Postil &box)
    {
        QObject::connect(&box, &Postil::Noisy, [this](const QString &t) { add("Noisy:" + t); });
        QObject::connect(&box, &Postil::NewMail,
                         [this](int n) { add("NewMail:" + QString::number(n)); });
        QObject::connect(&box, &Postil::NoMail, [this] { add(QStringLiteral("NoMail")); });
        QObject::connect(&box, &Postil::SockError,
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
