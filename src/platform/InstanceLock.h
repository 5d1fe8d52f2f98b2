#pragma once

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
    // In the holder: onShow runs whenever a later start asks for the dashboard.
    virtual void listenForShowRequests(std::function<void()> onShow) = 0;
    // In a later start: asks the holder to show its dashboard. False when no dashboard
    // answers (the holder is an exchange, or could not listen).
    virtual bool requestShow() = 0;
};
