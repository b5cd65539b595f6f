// The three digit strips: four LCD banks of twelve frames each.
#pragma once

#include "image_types.h"
#include "seven_segment.h"

namespace artwork {

// Glyph placement of each strip. Every bank uses the same placement so that a
// digit stays put when the display changes units or brightness.
extern const GlyphStyle kSmallDigitGlyph;
extern const GlyphStyle kMediumDigitGlyph;
extern const GlyphStyle kLargeDigitGlyph;

// frame = digit code + kDigitCodeCount x bank
IndexedImage draw_digit_frame(int frame, FrameSize size, const GlyphStyle& glyph);

}  // namespace artwork
