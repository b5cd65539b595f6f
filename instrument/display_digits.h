// Turns altitudes, the pressure setting and the selected altitude into the
// values and digit codes the LCD windows show. Integer arithmetic only.
#pragma once

#include "instrument/instrument_state.h"

#include <cstdint>

// clang-format off
// Steps to which the altitude window rounds, in display units.
inline constexpr std::int32_t altitude_step_m  = 5;
inline constexpr std::int32_t altitude_step_ft = 15;
// Steps to which the selected-altitude window rounds.
inline constexpr std::int32_t selected_step_m  = 100;
inline constexpr std::int32_t selected_step_ft = 1000;
// clang-format on

// Magnitude of the altitude, rounded to the step; an exact half rounds down.
// Never negative: NaN, the infinities and magnitudes beyond the 32-bit range
// give the largest multiple of the step below 2^31.
std::int32_t round_altitude_magnitude(double altitude, std::int32_t step);

// The selected altitude rounded to the step; an exact half rounds down.
std::int32_t round_selected_altitude(double selected, std::int32_t step);

// Writes the five decimal digits of n (n modulo 100000), ones first.
void split_five_digits(std::int64_t n, DigitCode digits[5]);

// Altitude window: a three-bar glyph on the large digit below 1000, blank
// leading zeros, and a minus sign just left of the most significant digit.
void altitude_window_digits(std::int32_t n, bool negative, DigitCode digits[altitude_digit_count]);

// Pressure window: four digits, the thousands blank when it is 0.
void pressure_window_digits(std::int32_t setting_mb, DigitCode digits[pressure_digit_count]);

// Selected-altitude window: leading zeros blank, the ones and tens always shown.
void selected_window_digits(std::int32_t r, DigitCode digits[selected_digit_count]);
