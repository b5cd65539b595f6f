#include "breakers/breaker_state.h"

std::int32_t breaker_closed[breaker_count] = {0, 0};
