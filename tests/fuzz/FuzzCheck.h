#pragma once

#include <cstdlib>

// A fuzz target's assertion: a broken promise ends the run where the fuzzer reports it.
inline void check(bool condition)
{
    if (!condition)
        std::abort();
}
