// Watches the deviation from the selected altitude: the dashed border that
// blinks or lights up, the selected digits that hide once the aircraft has
// settled, and (ZOR_1 only) the alert tone on leaving or capturing.
#pragma once

#include "instrument/instrument_state.h"

#include <cstdint>

// clang-format off
// The alert watches only a selected altitude above this.
inline constexpr double alert_active_above_m = 295.0;
inline constexpr double capture_band_m       = 60.0;
inline constexpr double approach_band_m      = 150.0;
// Frames the tone sounds after leaving or capturing.
inline constexpr std::int32_t tone_frames_on_leaving   = 18;
inline constexpr std::int32_t tone_frames_on_capturing = 17;
// Tick changes per blink cycle: five hidden, four shown.
inline constexpr std::int8_t blink_cycle_last   = 8;
inline constexpr std::int8_t blink_hidden_until = 4;
// clang-format on

// Runs after the digits are computed. `tone` is ZOR_1's tone state, or null
// for an instrument without a tone.
void run_altitude_alert(InstrumentState& s, AlertArming* tone, std::int32_t tick);
