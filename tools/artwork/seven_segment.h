// Seven-segment glyphs of the liquid-crystal digits. A digit code is what one
// LCD digit shows: 0 to 9, the minus sign or the three-bar glyph.
#pragma once

#include <cairo.h>

#include <cstdint>

#include "instrument/instrument_state.h"

// The instrument's digit codes and the frames of a strip's bank.
inline constexpr int minus_sign = digit_minus;
inline constexpr int three_bars = digit_three_bars;
inline constexpr int digit_code_count = frames_per_digit_bank;

enum class Segment { top, upper_right, lower_right, bottom, lower_left, upper_left, middle };
inline constexpr int segment_count = 7;

// Placement of a glyph inside its frame, in frame pixels. The box is the
// upright glyph's outer edge; slant leans it to the right like printed LCD type.
struct GlyphStyle {
    double left = 0;
    double top = 0;
    double width = 0;
    double height = 0;
    double stroke = 0; // segment thickness
    double gap = 0;    // clear space where two segments meet
    double slant = 0;  // horizontal shift per pixel of height above the middle
};

// Bit (1 << Segment) set for every segment lit by the code.
std::uint8_t lit_segments(int digit_code);

void add_segment_path(cairo_t* cr, const GlyphStyle& style, Segment segment);

// The middle of a segment after slanting: a point that is inked exactly when
// the segment is lit.
struct GlyphPoint {
    double x = 0;
    double y = 0;
};
GlyphPoint segment_centre(const GlyphStyle& style, Segment segment);
