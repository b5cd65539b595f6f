#include "tools/artwork/dial_markings.h"

#include <cmath>
#include <numbers>
#include <string>

#include "tools/artwork/cairo_shapes.h"
#include "tools/artwork/face_geometry.h"

namespace {

constexpr int numeral_count = 10;
constexpr int units_per_turn = 1000;
constexpr int units_per_graduation = 10;
constexpr int units_per_half_numeral = 50;
constexpr int units_per_numeral = units_per_turn / numeral_count;

struct TickStyle {
    double length = 0;
    double width = 0;
};
constexpr TickStyle numeral_tick{.length = 10.5, .width = 2.6};
constexpr TickStyle half_tick{.length = 7.5, .width = 1.8};
constexpr TickStyle minor_tick{.length = 5.0, .width = 1.2};

constexpr double numeral_font_px = 20.0;
constexpr double outline_margin_px = 4.0;
constexpr double outline_width_px = 1.6;

// Clockwise from twelve o'clock, with y growing downward.
double dial_x(double units, double radius)
{
    return face_centre_x + radius * std::sin(2.0 * std::numbers::pi * units / units_per_turn);
}
double dial_y(double units, double radius)
{
    return face_centre_y - radius * std::cos(2.0 * std::numbers::pi * units / units_per_turn);
}

TickStyle tick_at(int units)
{
    if (units % units_per_numeral == 0)
        return numeral_tick;
    if (units % units_per_half_numeral == 0)
        return half_tick;
    return minor_tick;
}

} // namespace

void draw_graduations(cairo_t* cr, Rgb ink)
{
    set_colour(cr, ink);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_BUTT);
    for (int units = 0; units < units_per_turn; units += units_per_graduation) {
        const TickStyle tick = tick_at(units);
        const double inner = face_graduation_inner_radius;
        cairo_move_to(cr, dial_x(units, inner), dial_y(units, inner));
        cairo_line_to(cr, dial_x(units, inner + tick.length), dial_y(units, inner + tick.length));
        cairo_set_line_width(cr, tick.width);
        cairo_stroke(cr);
    }
}

void draw_numerals(cairo_t* cr, Rgb ink)
{
    set_colour(cr, ink);
    for (int numeral = 0; numeral < numeral_count; ++numeral) {
        const double units = numeral * units_per_numeral;
        centred_text(cr, std::to_string(numeral).c_str(), dial_x(units, face_numeral_radius),
                     dial_y(units, face_numeral_radius), numeral_font_px, FontWeight::bold);
    }
}

void draw_pressure_window_outline(cairo_t* cr, Rgb ink)
{
    const PixelBox& w = face_pressure_window;
    const double inset = outline_margin_px - outline_width_px / 2.0;
    rounded_box_path(cr, w.x - inset, w.y - inset, w.w + 2 * inset, w.h + 2 * inset, 3.0);
    set_colour(cr, ink);
    cairo_set_line_width(cr, outline_width_px);
    cairo_stroke(cr);
}
