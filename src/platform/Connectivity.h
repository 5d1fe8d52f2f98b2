#pragma once

#include <QtGlobal>

// "Is there an Internet connection?" with the flags word that describes it. The flags word
// keeps the bit meanings the dashboard has always stored (modem 0x01, LAN 0x02, proxy 0x04,
// offline 0x20, configured 0x40).
class Connectivity
{
public:
    enum Flag : quint32 {
        Modem = 0x01,
        Lan = 0x02,
        Proxy = 0x04,
        Offline = 0x20,
        Configured = 0x40
    };

    struct State
    {
        bool connected = false;
        quint32 flags = 0;
    };

    virtual ~Connectivity() = default;
    virtual State check() = 0;
};
