#pragma once

#include <QString>

#include <functional>

// One running dashboard per user: the first instance holds the lock for its whole life.
class InstanceLock
{
public:
    virtual ~InstanceLock() = default;
    // True when this process now holds the lock (or already held it), false while another
    // instance holds it. Throws OrvaneError when the lock cannot be trusted to mean that.
    virtual bool tryLock() = 0;
    // Tries for up to waitMs: a holder that is no dashboard (a contacts or reminders exchange
    // run from a script) lets go within moments.
    virtual bool waitForLock(int waitMs) = 0;
    // In the holder: onShow runs whenever a later start asks for the dashboard, with the
    // activation token the later start was given (empty without one).
    virtual void listenForShowRequests(std::function<void(const QString &token)> onShow) = 0;
    // In a later start: asks the holder to show its dashboard, handing on its activation token
    // (a Wayland desktop lets a window come forward only with one). False when no dashboard
    // answers (the holder is an exchange, or could not listen).
    virtual bool requestShow(const QString &token) = 0;
};
