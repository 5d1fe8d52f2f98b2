#pragma once

// Starting with the desktop session. An entry is never deleted outright: removing it parks
// it, adding it makes it active again.
class Autostart
{
public:
    enum class State { Absent, Active, Parked };

    virtual ~Autostart() = default;
    virtual void addToStartup() = 0;
    virtual void removeFromStartup() = 0;
    virtual State state() const = 0;
};
