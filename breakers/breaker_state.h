// The two circuit breakers: breaker 1 feeds ZOR_1, breaker 2 feeds ZOR_2.
// Both start open, so both altimeters are dark until the crew closes them.
#pragma once

#include <cstdint>

enum class BreakerId : int { azs_zor_1 = 0, azs_zor_2 = 1 };
inline constexpr int breaker_count = 2;

extern std::int32_t breaker_closed[breaker_count];

// Opens both breakers again, as at load. For tests only: the module never
// calls it.
void reset_breakers_for_tests();

inline std::int32_t& breaker_flag(BreakerId id)
{
    return breaker_closed[static_cast<int>(id)];
}
