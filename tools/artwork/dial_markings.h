// The print of the altitude dial, shared by the unlit face and the lit LCD disc
// so that the two line up exactly: one turn is 1000 units, numerals every 100
// units clockwise from the top, graduations every 10.
#pragma once

#include <cairo.h>

#include "tools/artwork/image_types.h"

void draw_graduations(cairo_t* cr, Rgb ink);
void draw_numerals(cairo_t* cr, Rgb ink);

// A thin frame drawn around the pressure digits, clear of the digits themselves.
void draw_pressure_window_outline(cairo_t* cr, Rgb ink);
