// The colours that carry meaning for the panel host and for the eye, named once.
// Every image keeps these exactly; the quantiser only approximates the shades
// that antialiasing puts between them.
#pragma once

#include <array>

#include "layout/bitmap_ids.h"
#include "tools/artwork/image_types.h"

// The host leaves pure black undrawn, so it marks transparency and nothing else.
inline constexpr Rgb undrawn{0, 0, 0};

// The darkest colour that may be drawn: anything darker would risk rounding to
// the undrawn key once the host filters or dims the image.
inline constexpr Rgb near_black{13, 13, 13};

// Dark ink of the liquid crystal: lit segments, dashes and dial print.
inline constexpr Rgb lcd_ink{28, 28, 28};

// LCD frame banks in the instrument's order: metres bright, feet bright,
// metres dim, feet dim.  ORDER BANK
inline constexpr int lcd_bank_count = frames_lcd_image;
inline constexpr std::array<Rgb, lcd_bank_count> lcd_bank_colours{{
    {29, 163, 29},  // metres, bright: green
    {158, 158, 47}, // feet, bright: yellow
    {23, 130, 23},  // metres, dim: green
    {130, 130, 34}, // feet, dim: yellow
}};

// The needle: a near-black bar with a faintly green rim, so that it reads as
// one more liquid-crystal segment once the host has filtered it while turning.
inline constexpr Rgb needle_fill{13, 14, 13};
inline constexpr Rgb needle_outline{40, 51, 40};

// The circuit breaker's cap, seen through the panel while the switch is off it.
inline constexpr Rgb breaker_cap_blue{0, 0, 255};

constexpr bool bank_is_feet(int bank)
{
    return bank % 2 == 1;
}
