// Bitmap resources of the module. A multi-frame image is a run of
// consecutive ids starting at its first id.
#pragma once

#include <cstdint>

inline constexpr std::uint32_t bitmap_unlit_face      = 5984;
inline constexpr std::uint32_t bitmap_lit_dial        = 5989;   // 4 frames
inline constexpr std::uint32_t bitmap_deviation_border = 6000;  // 4 frames
inline constexpr std::uint32_t bitmap_medium_digits   = 6016;   // 48 frames
inline constexpr std::uint32_t bitmap_small_digits    = 6272;   // 48 frames
inline constexpr std::uint32_t bitmap_large_digits    = 6528;   // 48 frames
inline constexpr std::uint32_t bitmap_needle          = 6592;
inline constexpr std::uint32_t bitmap_breaker_disc    = 5248;
inline constexpr std::uint32_t bitmap_breaker_switch  = 5253;   // 3 frames

inline constexpr std::uint32_t frames_lcd_image   = 4;
inline constexpr std::uint32_t frames_digit_strip = 48;
inline constexpr std::uint32_t frames_breaker     = 3;

// The module's wave resource; the tone itself is read from the file.
inline constexpr std::uint32_t wave_resource_alert = 6608;
