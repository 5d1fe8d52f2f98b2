#include "music/Transport.h"

#include <cmath>

namespace Transport {

std::array<ButtonState, ButtonCount> states(State state)
{
    constexpr Look N = Look::Normal, L = Look::Lit, P = Look::Pressed;
    using S = ButtonState;
    switch (state) {
    case State::Load:
        return {S{true, N}, S{false, N}, S{false, N}, S{false, N}, S{false, N},
                S{true, N}, S{true, N},  S{true, N},  S{true, N}};
    case State::Playing:
        return {S{false, L}, S{true, N},         S{true, N},  S{true, N}, S{true, N},
                S{true, N},  S{std::nullopt, N}, S{false, P}, S{false, P}};
    case State::Paused:
        return {S{true, N}, S{false, L}, S{true, N},  S{true, N}, S{true, N},
                S{true, N}, S{true, N},  S{false, P}, S{false, P}};
    case State::Stopped:
        break;
    }
    return {S{true, N}, S{false, N}, S{false, L}, S{true, N}, S{true, N},
            S{true, N}, S{true, N},  S{true, N},  S{true, N}};
}

QString timeText(double seconds)
{
    const long long whole = seconds > 0 && std::isfinite(seconds) ? (long long)seconds : 0;
    return QStringLiteral("%1:%2")
        .arg(whole / 60, 2, 10, QLatin1Char('0'))
        .arg(whole % 60, 2, 10, QLatin1Char('0'));
}

} // namespace Transport
