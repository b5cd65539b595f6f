#include "tools/artwork/cairo_shapes.h"

#include <numbers>

namespace {
constexpr double full_turn = 2.0 * std::numbers::pi;
constexpr const char* font_family = "DejaVu Sans"; // carries the Cyrillic labels

double unit(std::uint8_t channel)
{
    return channel / 255.0;
}
} // namespace

void set_colour(cairo_t* cr, Rgb colour)
{
    cairo_set_source_rgb(cr, unit(colour.r), unit(colour.g), unit(colour.b));
}

void add_colour_stop(cairo_pattern_t* gradient, double offset, Rgb colour)
{
    cairo_pattern_add_color_stop_rgb(gradient, offset, unit(colour.r), unit(colour.g), unit(colour.b));
}

void fill_with(cairo_t* cr, Rgb colour)
{
    set_colour(cr, colour);
    cairo_fill(cr);
}

void circle_path(cairo_t* cr, double cx, double cy, double radius)
{
    cairo_new_sub_path(cr);
    cairo_arc(cr, cx, cy, radius, 0.0, full_turn);
    cairo_close_path(cr);
}

void rounded_box_path(cairo_t* cr, double x, double y, double w, double h, double radius)
{
    const double quarter = full_turn / 4.0;
    cairo_new_sub_path(cr);
    cairo_arc(cr, x + w - radius, y + radius, radius, -quarter, 0.0);
    cairo_arc(cr, x + w - radius, y + h - radius, radius, 0.0, quarter);
    cairo_arc(cr, x + radius, y + h - radius, radius, quarter, 2.0 * quarter);
    cairo_arc(cr, x + radius, y + radius, radius, 2.0 * quarter, 3.0 * quarter);
    cairo_close_path(cr);
}

void tapered_lever_path(cairo_t* cr, double cx, double base_y, double tip_y, double base_half_width,
                        double tip_half_width)
{
    cairo_move_to(cr, cx - base_half_width, base_y);
    cairo_line_to(cr, cx - tip_half_width, tip_y);
    cairo_line_to(cr, cx + tip_half_width, tip_y);
    cairo_line_to(cr, cx + base_half_width, base_y);
    cairo_close_path(cr);
}

void fill_path_lit(cairo_t* cr, double cx, double cy, double radius, Rgb light, Rgb dark)
{
    cairo_pattern_t* sweep = cairo_pattern_create_linear(cx - radius, cy - radius, cx + radius, cy + radius);
    add_colour_stop(sweep, 0.0, light);
    add_colour_stop(sweep, 1.0, dark);
    cairo_set_source(cr, sweep);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(sweep);
}

void fill_path_as_rod(cairo_t* cr, double cx, double half_width, Rgb light, Rgb dark)
{
    cairo_pattern_t* rod = cairo_pattern_create_linear(cx - half_width, 0, cx + half_width, 0);
    add_colour_stop(rod, 0.0, dark);
    add_colour_stop(rod, 0.35, light);
    add_colour_stop(rod, 1.0, dark);
    cairo_set_source(cr, rod);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(rod);
}

void outline_path(cairo_t* cr, Rgb colour, double line_width)
{
    set_colour(cr, colour);
    cairo_set_line_width(cr, line_width);
    cairo_stroke(cr);
}

void fill_lit_circle(cairo_t* cr, double cx, double cy, double radius, Rgb light, Rgb dark)
{
    circle_path(cr, cx, cy, radius);
    fill_path_lit(cr, cx, cy, radius, light, dark);
    cairo_new_path(cr);
}

void centred_text(cairo_t* cr, const char* utf8, double cx, double cy, double font_px, FontWeight weight)
{
    cairo_select_font_face(cr, font_family, CAIRO_FONT_SLANT_NORMAL,
                           weight == FontWeight::bold ? CAIRO_FONT_WEIGHT_BOLD : CAIRO_FONT_WEIGHT_NORMAL);
    cairo_set_font_size(cr, font_px);
    cairo_text_extents_t ink;
    cairo_text_extents(cr, utf8, &ink);
    cairo_move_to(cr, cx - ink.x_bearing - ink.width / 2.0, cy - ink.y_bearing - ink.height / 2.0);
    cairo_show_text(cr, utf8);
    cairo_new_path(cr);
}
