// The frame around the selected-altitude window that lights or blinks when the
// aircraft strays from the selected altitude: dark dashes on the LCD colour,
// with a dash closing every corner so the frame reads as a rectangle.
#include <array>
#include <cmath>

#include "tools/artwork/artwork_drawings.h"
#include "tools/artwork/cairo_shapes.h"
#include "tools/artwork/canvas.h"
#include "tools/artwork/colour_quantiser.h"
#include "tools/artwork/key_colours.h"

namespace {

constexpr int dash_inset_px = 1;
constexpr int dash_thickness_px = 3;
constexpr double nominal_dash_px = 8.0;
constexpr double dash_gap_px = 5.0;

// Dashes on whole pixels, spread so the first and the last one meet the corners.
void add_edge_dashes(cairo_t* cr, int start, int length, int across, bool horizontal)
{
    const int count =
        std::max(1, static_cast<int>(std::lround((length + dash_gap_px) / (nominal_dash_px + dash_gap_px))));
    const double pitch = (length + dash_gap_px) / count;
    for (int i = 0; i < count; ++i) {
        const int from = start + static_cast<int>(std::lround(i * pitch));
        const int to = start + static_cast<int>(std::lround((i + 1) * pitch - dash_gap_px));
        if (horizontal) {
            cairo_rectangle(cr, from, across, to - from, dash_thickness_px);
        } else {
            cairo_rectangle(cr, across, from, dash_thickness_px, to - from);
        }
    }
}

} // namespace

IndexedImage draw_deviation_border(int bank, FrameSize size)
{
    const Rgb lcd = lcd_bank_colours.at(static_cast<std::size_t>(bank));
    Canvas canvas(size);
    cairo_t* cr = canvas.cr();
    set_colour(cr, lcd);
    cairo_paint(cr);

    const int inner_w = size.width - 2 * dash_inset_px;
    const int inner_h = size.height - 2 * dash_inset_px;
    const int far_x = size.width - dash_inset_px - dash_thickness_px;
    const int far_y = size.height - dash_inset_px - dash_thickness_px;
    add_edge_dashes(cr, dash_inset_px, inner_w, dash_inset_px, true);
    add_edge_dashes(cr, dash_inset_px, inner_w, far_y, true);
    add_edge_dashes(cr, dash_inset_px, inner_h, dash_inset_px, false);
    add_edge_dashes(cr, dash_inset_px, inner_h, far_x, false);
    fill_with(cr, lcd_ink);

    const std::array keys{lcd, lcd_ink};
    return quantise(canvas, keys);
}
