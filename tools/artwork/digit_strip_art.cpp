#include "tools/artwork/digit_strip_art.h"

#include "tools/artwork/artwork_drawings.h"

#include <array>

#include "tools/artwork/cairo_shapes.h"
#include "tools/artwork/canvas.h"
#include "tools/artwork/colour_quantiser.h"
#include "tools/artwork/key_colours.h"

const GlyphStyle small_digit_glyph{
    .left = 3.5, .top = 3, .width = 12, .height = 18, .stroke = 2.6, .gap = 0.5, .slant = 0.08};
const GlyphStyle medium_digit_glyph{
    .left = 4.5, .top = 3, .width = 15, .height = 24, .stroke = 3.2, .gap = 0.6, .slant = 0.08};
const GlyphStyle large_digit_glyph{
    .left = 5, .top = 3, .width = 20, .height = 34, .stroke = 4.2, .gap = 0.7, .slant = 0.08};

IndexedImage draw_digit_frame(int frame, FrameSize size, const GlyphStyle& glyph)
{
    const int bank = frame / digit_code_count;
    const int code = frame % digit_code_count;
    const Rgb lcd = lcd_bank_colours.at(static_cast<std::size_t>(bank));

    Canvas canvas(size);
    cairo_t* cr = canvas.cr();
    set_colour(cr, lcd);
    cairo_paint(cr);
    const std::uint8_t lit = lit_segments(code);
    for (int s = 0; s < segment_count; ++s) {
        if (lit & (1u << s))
            add_segment_path(cr, glyph, static_cast<Segment>(s));
    }
    fill_with(cr, lcd_ink);

    const std::array keys{lcd, lcd_ink};
    return quantise(canvas, keys);
}

IndexedImage draw_small_digit(int frame, FrameSize size)
{
    return draw_digit_frame(frame, size, small_digit_glyph);
}
IndexedImage draw_medium_digit(int frame, FrameSize size)
{
    return draw_digit_frame(frame, size, medium_digit_glyph);
}
IndexedImage draw_large_digit(int frame, FrameSize size)
{
    return draw_digit_frame(frame, size, large_digit_glyph);
}
