// The circuit breaker: a blue cap seen through the panel, and the toggle
// switch mounted over it in its three lever positions.
#include <array>
#include <stdexcept>

#include "tools/artwork/artwork_drawings.h"
#include "tools/artwork/cairo_shapes.h"
#include "tools/artwork/canvas.h"
#include "tools/artwork/colour_quantiser.h"
#include "tools/artwork/key_colours.h"

namespace {

// The disc's even width centres it on a pixel corner; the switch's odd width
// centres it on that pixel's middle, still covering the disc all round.
constexpr double disc_centre_x = 14.0;
constexpr double disc_centre_y = 32.0;
constexpr double centre_x = disc_centre_x + 0.5;
constexpr double centre_y = disc_centre_y + 0.5;
constexpr double disc_radius = 11.0;
constexpr double disc_outline_px = 1.0;
constexpr double ring_radius = 12.5;
constexpr double bore_radius = 5.0;

constexpr double lever_reach_px = 26.0; // from the ring's centre to the lever's tip
constexpr double lever_base_half_width = 3.4;
constexpr double lever_tip_radius = 3.4;
constexpr double end_on_tip_radius = 5.5;

constexpr Rgb disc_outline{22, 22, 48};
constexpr Rgb steel_light{214, 216, 220};
constexpr Rgb steel_dark{64, 66, 70};
constexpr Rgb ring_edge{30, 30, 32};

enum class Lever { down, end_on, up }; // ORDER frame

void draw_ring(cairo_t* cr)
{
    circle_path(cr, centre_x, centre_y, ring_radius);
    fill_with(cr, ring_edge);
    fill_lit_circle(cr, centre_x, centre_y, ring_radius - 1.0, steel_light, steel_dark);
    fill_lit_circle(cr, centre_x, centre_y, ring_radius - 3.5, steel_dark, steel_light);
    fill_lit_circle(cr, centre_x, centre_y, bore_radius, near_black, steel_dark);
}

void draw_lever(cairo_t* cr, double direction)
{
    const double tip_y = centre_y + direction * lever_reach_px;
    tapered_lever_path(cr, centre_x, centre_y, tip_y, lever_base_half_width, lever_tip_radius * 0.8);
    fill_path_as_rod(cr, centre_x, lever_base_half_width, steel_light, steel_dark);
    outline_path(cr, ring_edge, 0.8);
    circle_path(cr, centre_x, tip_y, lever_tip_radius + 0.8);
    fill_with(cr, ring_edge);
    fill_lit_circle(cr, centre_x, tip_y, lever_tip_radius, steel_light, steel_dark);
}

} // namespace

IndexedImage draw_breaker_disc(int, FrameSize size)
{
    Canvas canvas(size);
    cairo_t* cr = canvas.cr();
    circle_path(cr, disc_centre_x, disc_centre_y, disc_radius);
    fill_with(cr, disc_outline);
    circle_path(cr, disc_centre_x, disc_centre_y, disc_radius - disc_outline_px);
    fill_with(cr, breaker_cap_blue);
    const std::array keys{breaker_cap_blue, disc_outline};
    return quantise(canvas, keys);
}

IndexedImage draw_breaker_switch(int frame, FrameSize size)
{
    Canvas canvas(size);
    cairo_t* cr = canvas.cr();
    draw_ring(cr);
    switch (static_cast<Lever>(frame)) {
    case Lever::down: draw_lever(cr, +1.0); break;
    case Lever::up: draw_lever(cr, -1.0); break;
    case Lever::end_on:
        circle_path(cr, centre_x, centre_y, end_on_tip_radius + 0.8);
        fill_with(cr, ring_edge);
        fill_lit_circle(cr, centre_x, centre_y, end_on_tip_radius, steel_light, steel_dark);
        break;
    default: throw std::out_of_range("a breaker switch has three frames");
    }
    const std::array keys{ring_edge};
    return quantise(canvas, keys);
}
