#pragma once

// One running dashboard per user: the first instance holds the lock for its whole life.
class InstanceLock
{
public:
    virtual ~InstanceLock() = default;
    // True when this process now holds the lock (or already held it), false while another
    // instance holds it. Throws OrvaneError when the lock cannot be trusted to mean that.
    virtual bool tryLock() = 0;
};
