// The two records the module exports: Linkage, which tells the host which
// gauges the module offers, and ImportTable (module/panel_services.h).
#pragma once

#include "module/host_formats.h"

extern "C" LinkageRecord Linkage;

inline constexpr std::uint32_t module_identifier = 0x13;
inline constexpr std::uint32_t module_version    = 0x0800;
inline constexpr std::uint32_t altimeter_default_size = 150;
inline constexpr std::uint32_t breaker_default_size   = 15;
