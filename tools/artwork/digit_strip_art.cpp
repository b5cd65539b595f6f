#include "digit_strip_art.h"

#include "artwork_drawings.h"

#include <array>

#include "cairo_shapes.h"
#include "canvas.h"
#include "colour_quantiser.h"
#include "key_colours.h"

namespace artwork {

const GlyphStyle kSmallDigitGlyph{.left = 3.5, .top = 3, .width = 12, .height = 18, .stroke = 2.6, .gap = 0.5, .slant = 0.08};
const GlyphStyle kMediumDigitGlyph{.left = 4.5, .top = 3, .width = 15, .height = 24, .stroke = 3.2, .gap = 0.6, .slant = 0.08};
const GlyphStyle kLargeDigitGlyph{.left = 5, .top = 3, .width = 20, .height = 34, .stroke = 4.2, .gap = 0.7, .slant = 0.08};

IndexedImage draw_digit_frame(int frame, FrameSize size, const GlyphStyle& glyph) {
    const int bank = frame / kDigitCodeCount;
    const int code = frame % kDigitCodeCount;
    const Rgb lcd = kLcdBankColours.at(static_cast<std::size_t>(bank));

    Canvas canvas(size);
    cairo_t* cr = canvas.cr();
    set_colour(cr, lcd);
    cairo_paint(cr);
    const std::uint8_t lit = lit_segments(code);
    for (int s = 0; s < kSegmentCount; ++s) {
        if (lit & (1u << s)) add_segment_path(cr, glyph, static_cast<Segment>(s));
    }
    fill_with(cr, kLcdInk);

    const std::array keys{lcd, kLcdInk};
    return quantise(canvas, keys);
}

IndexedImage draw_small_digit(int frame, FrameSize size) { return draw_digit_frame(frame, size, kSmallDigitGlyph); }
IndexedImage draw_medium_digit(int frame, FrameSize size) { return draw_digit_frame(frame, size, kMediumDigitGlyph); }
IndexedImage draw_large_digit(int frame, FrameSize size) { return draw_digit_frame(frame, size, kLargeDigitGlyph); }

}  // namespace artwork
