// The frame around the selected-altitude window that lights or blinks when the
// aircraft strays from the selected altitude: dark dashes on the LCD colour,
// with a dash closing every corner so the frame reads as a rectangle.
#include <array>
#include <cmath>

#include "artwork_drawings.h"
#include "cairo_shapes.h"
#include "canvas.h"
#include "colour_quantiser.h"
#include "key_colours.h"

namespace artwork {

namespace {

constexpr int kDashInsetPx = 1;
constexpr int kDashThicknessPx = 3;
constexpr double kNominalDashPx = 8.0;
constexpr double kDashGapPx = 5.0;

// Dashes on whole pixels, spread so the first and the last one meet the corners.
void add_edge_dashes(cairo_t* cr, int start, int length, int across, bool horizontal) {
    const int count = std::max(1, static_cast<int>(std::lround((length + kDashGapPx) / (kNominalDashPx + kDashGapPx))));
    const double pitch = (length + kDashGapPx) / count;
    for (int i = 0; i < count; ++i) {
        const int from = start + static_cast<int>(std::lround(i * pitch));
        const int to = start + static_cast<int>(std::lround((i + 1) * pitch - kDashGapPx));
        if (horizontal) {
            cairo_rectangle(cr, from, across, to - from, kDashThicknessPx);
        } else {
            cairo_rectangle(cr, across, from, kDashThicknessPx, to - from);
        }
    }
}

}  // namespace

IndexedImage draw_deviation_border(int bank, FrameSize size) {
    const Rgb lcd = kLcdBankColours.at(static_cast<std::size_t>(bank));
    Canvas canvas(size);
    cairo_t* cr = canvas.cr();
    set_colour(cr, lcd);
    cairo_paint(cr);

    const int inner_w = size.width - 2 * kDashInsetPx;
    const int inner_h = size.height - 2 * kDashInsetPx;
    const int far_x = size.width - kDashInsetPx - kDashThicknessPx;
    const int far_y = size.height - kDashInsetPx - kDashThicknessPx;
    add_edge_dashes(cr, kDashInsetPx, inner_w, kDashInsetPx, true);
    add_edge_dashes(cr, kDashInsetPx, inner_w, far_y, true);
    add_edge_dashes(cr, kDashInsetPx, inner_h, kDashInsetPx, false);
    add_edge_dashes(cr, kDashInsetPx, inner_h, far_x, false);
    fill_with(cr, kLcdInk);

    const std::array keys{lcd, kLcdInk};
    return quantise(canvas, keys);
}

}  // namespace artwork
