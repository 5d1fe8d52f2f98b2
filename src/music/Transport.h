#pragma once

#include <QString>

#include <array>
#include <optional>

// The transport buttons' enabled state and look for each state of the player.
namespace Transport {

enum Button { Play, Pause, Stop, Next, Previous, Rewind, End, Delete, DeleteAll, ButtonCount };
enum class Look { Normal, Lit, Pressed };
enum class State { Load, Playing, Paused, Stopped };

struct ButtonState
{
    std::optional<bool> enabled; // nullopt: left as it is
    Look look;
};

std::array<ButtonState, ButtonCount> states(State state);

// Seconds as "mm:ss": whole seconds, at least two digits each ("100:00" for 6000).
QString timeText(double seconds);

} // namespace Transport
