// The altitude needle: not a pointer from the centre but a short dark bar that
// sweeps the band between the digit windows and the graduations, as a segment
// of the liquid crystal would. The host turns the bitmap about its left
// edge's middle row, so the bar's distance from x = 0 is its radius on the dial.
#include <array>

#include "tools/artwork/artwork_drawings.h"
#include "tools/artwork/cairo_shapes.h"
#include "tools/artwork/canvas.h"
#include "tools/artwork/colour_quantiser.h"
#include "tools/artwork/face_geometry.h"
#include "tools/artwork/key_colours.h"

namespace {

constexpr double outline_px = 1.0;

} // namespace

IndexedImage draw_needle(int, FrameSize size)
{
    Canvas canvas(size);
    cairo_t* cr = canvas.cr();
    // Pixel edges: the bar covers columns face_needle_inner_radius .. face_needle_outer_radius.
    const double half = outline_px / 2.0;
    const double left = face_needle_inner_radius + half;
    const double right = face_needle_outer_radius + 1.0 - half;
    const double height = size.height - outline_px;
    rounded_box_path(cr, left, half, right - left, height, height / 2.0);
    set_colour(cr, needle_fill);
    cairo_fill_preserve(cr);
    set_colour(cr, needle_outline);
    cairo_set_line_width(cr, outline_px);
    cairo_stroke(cr);

    const std::array keys{needle_fill, needle_outline};
    return quantise(canvas, keys);
}
