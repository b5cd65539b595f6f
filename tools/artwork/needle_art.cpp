// The altitude needle: not a pointer from the centre but a short dark bar that
// sweeps the band between the digit windows and the graduations, as a segment
// of the liquid crystal would. The host turns the bitmap about its left
// edge's middle row, so the bar's distance from x = 0 is its radius on the dial.
#include <array>

#include "artwork_drawings.h"
#include "cairo_shapes.h"
#include "canvas.h"
#include "colour_quantiser.h"
#include "face_geometry.h"
#include "key_colours.h"

namespace artwork {

namespace {

constexpr double kOutlinePx = 1.0;

}  // namespace

IndexedImage draw_needle(int, FrameSize size) {
    Canvas canvas(size);
    cairo_t* cr = canvas.cr();
    // Pixel edges: the bar covers columns kNeedleInnerRadius .. kNeedleOuterRadius.
    const double half = kOutlinePx / 2.0;
    const double left = face::kNeedleInnerRadius + half;
    const double right = face::kNeedleOuterRadius + 1.0 - half;
    const double height = size.height - kOutlinePx;
    rounded_box_path(cr, left, half, right - left, height, height / 2.0);
    set_colour(cr, kNeedleFill);
    cairo_fill_preserve(cr);
    set_colour(cr, kNeedleOutline);
    cairo_set_line_width(cr, kOutlinePx);
    cairo_stroke(cr);

    const std::array keys{kNeedleFill, kNeedleOutline};
    return quantise(canvas, keys);
}

}  // namespace artwork
