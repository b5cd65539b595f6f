// Small path and paint helpers over Cairo that every drawing uses.
#pragma once

#include <cairo.h>

#include "tools/artwork/image_types.h"

void set_colour(cairo_t* cr, Rgb colour);
void add_colour_stop(cairo_pattern_t* gradient, double offset, Rgb colour);
void fill_with(cairo_t* cr, Rgb colour);

void circle_path(cairo_t* cr, double cx, double cy, double radius);
void rounded_box_path(cairo_t* cr, double x, double y, double w, double h, double radius);

// A lever seen from the front: wide at its base, narrow at its tip.
void tapered_lever_path(cairo_t* cr, double cx, double base_y, double tip_y, double base_half_width,
                        double tip_half_width);

// Fills the current path, keeping it, with a light-to-dark diagonal sweep over
// the square of `radius` about (cx, cy): the way a turned metal or moulded
// part catches the panel light from the top left.
void fill_path_lit(cairo_t* cr, double cx, double cy, double radius, Rgb light, Rgb dark);

// Fills the current path, keeping it, as a turned rod standing upright about
// x = cx: dark at both edges, its highlight left of the middle.
void fill_path_as_rod(cairo_t* cr, double cx, double half_width, Rgb light, Rgb dark);

// Strokes the current path and clears it.
void outline_path(cairo_t* cr, Rgb colour, double line_width);

// A circle filled with the lit sweep.
void fill_lit_circle(cairo_t* cr, double cx, double cy, double radius, Rgb light, Rgb dark);

enum class FontWeight { normal, bold };

// Draws UTF-8 text in DejaVu Sans with its ink box centred on (cx, cy).
void centred_text(cairo_t* cr, const char* utf8, double cx, double cy, double font_px, FontWeight weight);
