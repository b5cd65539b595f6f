// A breaker gauge's lever and its toggle. The state is one static flag per
// breaker, so the same breaker placed twice on a panel shows and toggles
// one state.
#pragma once

#include "abi/host_formats.h"
#include "breakers/breaker_state.h"

#include <cstdint>

// Frames of the switch icon: lever down (open), end-on, lever up (closed).
inline constexpr double breaker_frame_open = 0.0;
inline constexpr double breaker_frame_closed = 2.0;

template <BreakerId Id>
double HOSTCALL breaker_position_value(HostWord)
{
    return breaker_flag(Id) != 0 ? breaker_frame_closed : breaker_frame_open;
}

template <BreakerId Id>
std::int32_t HOSTCALL breaker_toggle_click(const PixelPoint*, std::uint32_t)
{
    std::int32_t& closed = breaker_flag(Id);
    closed = closed == 0 ? 1 : 0;
    return 1;
}
