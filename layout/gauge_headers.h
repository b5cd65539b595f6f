// The four gauge headers, defined here beside the element trees: each
// element record names its owning header, and each header names its element
// list, its mouse areas and its callbacks. Linkage (layout/linkage.h) lists
// them for the host.
#pragma once

#include "abi/host_formats.h"

inline constexpr std::uint32_t altimeter_default_size = 150;
inline constexpr std::uint32_t breaker_default_size = 15;

extern GaugeHeader zor_1_gauge_header;
extern GaugeHeader zor_2_gauge_header;
extern GaugeHeader azs_zor_1_gauge_header;
extern GaugeHeader azs_zor_2_gauge_header;
