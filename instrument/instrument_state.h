// The whole state of the two altimeters and the host values they share.
// Plain data with static lifetime; the initial values below are the state of
// a freshly loaded module, so nothing has to run at load.
#pragma once

#include <cstdint>

#include "instrument/instrument_limits.h"

// clang-format off
// A digit code is what one LCD digit shows: 0 to 9, a minus sign, the
// three-bar glyph, or nothing. Digit arrays are stored ones first.
using DigitCode = std::int8_t;
inline constexpr DigitCode digit_minus      = 10;
inline constexpr DigitCode digit_three_bars = 11;
inline constexpr DigitCode digit_blank      = -1;
// A digit strip holds one frame per shown code in each of the four LCD
// banks: metres bright, feet bright, metres dim, feet dim.
inline constexpr int frames_per_digit_bank = digit_three_bars + 1;
// clang-format on

inline constexpr int altitude_digit_count = 5;
inline constexpr int selected_digit_count = 5;
inline constexpr int pressure_digit_count = 4;

enum class InstrumentId : int { zor_1 = 0, zor_2 = 1 };
inline constexpr int instrument_count = 2;

struct InstrumentState {
    // clang-format off
    // Settings, written by the crew's controls.
    std::int32_t baro_setting_mb  = default_baro_setting_mb;
    std::int32_t units_feet       = 0;
    std::int32_t dimmed           = 0;
    std::int32_t powered          = 0;
    double selected_altitude_m    = 0.0;
    double selected_altitude_ft   = 0.0;
    // clang-format on

    // clang-format off
    // Derived each frame by the update.
    std::int32_t selected_display_value  = 0;
    DigitCode selected_digits[selected_digit_count] = {};
    std::int32_t selected_digits_visible = 0;
    double altitude_m                    = 0.0;
    std::int32_t altitude_display_value  = 0;
    DigitCode altitude_digits[altitude_digit_count] = {};
    std::int32_t altitude_non_negative   = 1;
    DigitCode pressure_digits[pressure_digit_count] = {};
    // clang-format on

    // clang-format off
    // Knob acceleration, counted in update frames.
    std::int8_t knob_step              = 1;
    std::int32_t knob_hold_timer       = 0;
    std::int32_t knob_hold_frames      = 0;
    std::int32_t selected_change_timer = 0;
    // clang-format on

    // clang-format off
    // Deviation border and its blink, counted in changes of the host tick.
    std::int8_t deviation_border_frame = -1;
    std::int8_t blink_counter          = 0;
    std::int32_t blink_phase           = 0;
    std::int32_t last_tick             = 0;
    // clang-format on
};

// ZOR_1 alone sounds the alert tone; these fields extend its record.
struct AlertArming {
    // clang-format off
    std::int32_t inside_band_armed  = 0;
    std::int32_t outside_band_armed = 0;
    std::int32_t alert_tone_frames  = 0;
    // clang-format on
};

// Host values read by ZOR_1's update and used by both instruments. Until
// ZOR_1 has updated once, ZOR_2 sees these initial values: bus powered,
// every host value 0.
struct HostSnapshot {
    // clang-format off
    std::int32_t tick            = 0;
    double bus_volts             = 0.0;
    double altitude_raw          = 0.0;
    std::int8_t units_of_measure = 0;
    double host_baro_mb          = 0.0;
    std::int32_t bus_powered     = 1;
    // clang-format on
};

extern InstrumentState instrument_states[instrument_count];
extern AlertArming zor_1_alert_tone;
extern HostSnapshot host_snapshot;

// Puts both records, ZOR_1's tone arming, the snapshot and the host-variable
// records back as they are at load. For tests only: the module never calls it.
void reset_instruments_for_tests();

inline InstrumentState& instrument_state(InstrumentId id)
{
    return instrument_states[static_cast<int>(id)];
}
