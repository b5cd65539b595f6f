// Conversions of host doubles to integers, as the x86 runtime does them:
// toward zero, with NaN and out-of-range values giving the "integer
// indefinite" value rather than undefined behaviour.
#pragma once

#include <cmath>
#include <cstdint>
#include <limits>

inline std::int32_t truncate_toward_zero(double value)
{
    constexpr double limit = 2147483648.0;
    if (!(value > -limit - 1.0 && value < limit))
        return std::numeric_limits<std::int32_t>::min();
    return static_cast<std::int32_t>(value);
}
