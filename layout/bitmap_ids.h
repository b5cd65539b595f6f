// Bitmap resources of the module. A multi-frame image is a run of
// consecutive ids starting at its first id. The artwork generator draws
// every frame under these ids and writes the resource script from them.
#pragma once

#include <cstdint>

// clang-format off
inline constexpr std::uint32_t bitmap_unlit_face       = 5984;
inline constexpr std::uint32_t bitmap_lit_dial         = 5989;   // frames_lcd_image frames
inline constexpr std::uint32_t bitmap_deviation_border = 6000;   // frames_lcd_image frames
inline constexpr std::uint32_t bitmap_medium_digits    = 6016;   // frames_digit_strip frames
inline constexpr std::uint32_t bitmap_small_digits     = 6272;   // frames_digit_strip frames
inline constexpr std::uint32_t bitmap_large_digits     = 6528;   // frames_digit_strip frames
inline constexpr std::uint32_t bitmap_needle           = 6592;
inline constexpr std::uint32_t bitmap_breaker_disc     = 5248;
inline constexpr std::uint32_t bitmap_breaker_switch   = 5253;   // frames_breaker frames
// clang-format on

// clang-format off
// One bank per LCD colour: metres bright, feet bright, metres dim, feet dim.
inline constexpr std::uint32_t frames_lcd_image   = 4;
inline constexpr std::uint32_t frames_digit_strip = 48;
// The breaker switch: its lever positions (breakers/breaker_callbacks.h).
inline constexpr std::uint32_t frames_breaker     = 3;
// clang-format on
