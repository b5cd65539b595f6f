// The three digit strips: four LCD banks of twelve frames each.
#pragma once

#include "tools/artwork/image_types.h"
#include "tools/artwork/seven_segment.h"

// Glyph placement of each strip. Every bank uses the same placement so that a
// digit stays put when the display changes units or brightness.
extern const GlyphStyle small_digit_glyph;
extern const GlyphStyle medium_digit_glyph;
extern const GlyphStyle large_digit_glyph;

// frame = digit code + digit_code_count x bank
IndexedImage draw_digit_frame(int frame, FrameSize size, const GlyphStyle& glyph);
