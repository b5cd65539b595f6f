#include "breakers/breaker_state.h"

std::int32_t breaker_closed[breaker_count] = {};

void reset_breakers_for_tests()
{
    for (std::int32_t& closed : breaker_closed)
        closed = 0;
}
