#pragma once

#include <QtGlobal>

// The splash stays up more than three seconds from its load, measured on a monotonic clock
// (never one that wraps at midnight or jumps when the clock is set).
inline constexpr qint64 kSplashMinimumMs = 3000;

inline qint64 splashRemainingMs(qint64 loadedAtMs, qint64 nowMs)
{
    const qint64 remaining = kSplashMinimumMs + 1 - (nowMs - loadedAtMs);
    return remaining > 0 ? remaining : 0;
}
