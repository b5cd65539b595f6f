#include "tools/artwork/face_controls.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "tools/artwork/cairo_shapes.h"

namespace {

constexpr Rgb steel_light{212, 214, 218};
constexpr Rgb steel_dark{66, 68, 72};
constexpr Rgb plastic_light{128, 130, 134};
constexpr Rgb plastic_dark{16, 16, 18};
constexpr Rgb plastic_shine{150, 152, 156};
constexpr Rgb shadow{14, 14, 15};
constexpr Rgb button_print{226, 226, 218};

// Brightness switch: a steel nut on a dark round base, its bat standing up.
constexpr double switch_base_radius = 17.0;
constexpr double nut_radius = 11.5;
constexpr int nut_sides = 6;
constexpr double lever_length = 19.0;
constexpr double lever_base_half_width = 3.8;
constexpr double lever_tip_radius = 4.4;
constexpr double switch_drop_px = 4.0; // the bat needs room above the nut

constexpr double button_bezel_radius = 17.0;
constexpr double button_radius = 13.0;
constexpr double button_print_px = 9.0;

constexpr int knob_grip_teeth = 32;
constexpr double knob_grip_depth = 2.0;
constexpr double knob_cap_fraction = 0.66;

void hexagon_path(cairo_t* cr, double cx, double cy, double radius)
{
    for (int i = 0; i < nut_sides; ++i) {
        const double a = 2.0 * std::numbers::pi * (i + 0.5) / nut_sides;
        cairo_line_to(cr, cx + radius * std::cos(a), cy + radius * std::sin(a));
    }
    cairo_close_path(cr);
}

// A toothed outline: the knurled grip a gloved hand turns.
void grip_path(cairo_t* cr, double cx, double cy, double radius)
{
    constexpr int points_per_tooth = 4;
    for (int i = 0; i < knob_grip_teeth * points_per_tooth; ++i) {
        const double a = 2.0 * std::numbers::pi * i / (knob_grip_teeth * points_per_tooth);
        const bool crest = (i % points_per_tooth) < points_per_tooth / 2;
        const double r = crest ? radius : radius - knob_grip_depth;
        cairo_line_to(cr, cx + r * std::cos(a), cy + r * std::sin(a));
    }
    cairo_close_path(cr);
}

// A domed cap: brightest off-centre toward the light.
void fill_domed_circle(cairo_t* cr, double cx, double cy, double radius)
{
    cairo_pattern_t* dome =
        cairo_pattern_create_radial(cx - radius * 0.4, cy - radius * 0.45, radius * 0.1, cx, cy, radius);
    add_colour_stop(dome, 0.0, plastic_shine);
    add_colour_stop(dome, 1.0, plastic_dark);
    circle_path(cr, cx, cy, radius);
    cairo_set_source(cr, dome);
    cairo_fill(cr);
    cairo_pattern_destroy(dome);
}

} // namespace

void draw_brightness_switch(cairo_t* cr, const PixelBox& box)
{
    const double cx = box.centre_x(), cy = box.centre_y() + switch_drop_px;
    fill_lit_circle(cr, cx, cy, switch_base_radius, plastic_light, plastic_dark);
    fill_lit_circle(cr, cx, cy, switch_base_radius - 1.5, plastic_dark, plastic_light);

    hexagon_path(cr, cx + 1.0, cy + 1.5, nut_radius);
    fill_with(cr, shadow);
    hexagon_path(cr, cx, cy, nut_radius);
    fill_path_lit(cr, cx, cy, nut_radius, steel_light, steel_dark);
    outline_path(cr, shadow, 1.0);
    fill_lit_circle(cr, cx, cy, nut_radius * 0.6, steel_dark, steel_light);

    const double tip_y = cy - lever_length;
    tapered_lever_path(cr, cx, cy, tip_y, lever_base_half_width, lever_tip_radius * 0.7);
    fill_path_as_rod(cr, cx, lever_base_half_width, steel_light, steel_dark);
    outline_path(cr, shadow, 0.8);
    circle_path(cr, cx, tip_y, lever_tip_radius + 0.8);
    fill_with(cr, shadow);
    fill_lit_circle(cr, cx, tip_y, lever_tip_radius, steel_light, steel_dark);
}

void draw_units_button(cairo_t* cr, const PixelBox& box)
{
    const double cx = box.centre_x(), cy = box.centre_y();
    fill_lit_circle(cr, cx, cy, button_bezel_radius, steel_light, steel_dark);
    fill_lit_circle(cr, cx, cy, button_bezel_radius - 2.0, shadow, steel_dark);
    fill_domed_circle(cr, cx, cy, button_radius);

    // The two units the button switches between, one above the other.
    set_colour(cr, button_print);
    centred_text(cr, "М", cx, cy - 5.5, button_print_px, FontWeight::bold);
    centred_text(cr, "FT", cx, cy + 5.5, button_print_px, FontWeight::bold);
    cairo_move_to(cr, cx - 7.0, cy);
    cairo_line_to(cr, cx + 7.0, cy);
    cairo_set_line_width(cr, 1.0);
    cairo_stroke(cr);
}

void draw_knob(cairo_t* cr, const PixelBox& box)
{
    const double cx = box.centre_x(), cy = box.centre_y();
    const double radius = std::min(box.w, box.h) / 2.0 - 1.0;
    circle_path(cr, cx + 1.5, cy + 2.0, radius);
    fill_with(cr, shadow);

    grip_path(cr, cx, cy, radius);
    fill_path_lit(cr, cx, cy, radius, plastic_light, plastic_dark);
    outline_path(cr, shadow, 0.7);

    const double cap = radius * knob_cap_fraction;
    fill_lit_circle(cr, cx, cy, cap + 1.5, plastic_dark, plastic_light);
    fill_domed_circle(cr, cx, cy, cap);
}
