// A breaker gauge: the blue disc under the switch icon, and one click area
// over the whole gauge.
#pragma once

#include "abi/host_formats.h"
#include "breakers/breaker_state.h"

inline constexpr int breaker_mouse_area_count = 4;

template <BreakerId Id>
struct BreakerFace {
    static StaticImageElement disc;
    static IconElement lever;
    static ElementHeader* const element_list[2]; // the root, then 0
    static const MouseRect areas[breaker_mouse_area_count];
};

extern template struct BreakerFace<BreakerId::azs_zor_1>;
extern template struct BreakerFace<BreakerId::azs_zor_2>;
