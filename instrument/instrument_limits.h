// Limits and timings of the altimeter's controls.
#pragma once

#include <cstdint>

inline constexpr std::int32_t default_baro_setting_mb = 1013;
inline constexpr std::int32_t baro_setting_floor_mb = 700;
inline constexpr std::int32_t baro_setting_ceiling_mb = 1080;
// ZOR_1 forwards a knob setting to the simulator only strictly inside these.
inline constexpr std::int32_t forward_setting_above_mb = 948;
inline constexpr std::int32_t forward_setting_below_mb = 1083;

// clang-format off
inline constexpr double selected_step_metres_m   = 100.0;
inline constexpr double selected_step_feet_m     = 304.8;     // 1000 ft
inline constexpr double selected_ceiling_metres_m = 12000.0;
inline constexpr double selected_ceiling_feet_m  = 12496.8;   // 41000 ft
inline constexpr double selected_floor_m         = 0.0;
// clang-format on

// Frames a knob click keeps the knob "held", and keeps the selected digits shown.
inline constexpr std::int32_t knob_hold_timer_frames = 10;
inline constexpr std::int32_t selected_change_timer_frames = 60;
