// The two records the module exports: Linkage, which tells the host which
// gauges the module offers, and ImportTable (declared in abi/panel_services.h,
// defined in module/import_table.cpp).
#pragma once

#include "abi/host_formats.h"

extern "C" LinkageRecord Linkage;

inline constexpr std::uint32_t altimeter_default_size = 150;
inline constexpr std::uint32_t breaker_default_size   = 15;
