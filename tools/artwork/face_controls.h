// The switch, the button and the two knobs around the bezel, each drawn
// centred in the box where the crew clicks it.
#pragma once

#include <cairo.h>

#include "tools/artwork/image_types.h"

void draw_brightness_switch(cairo_t* cr, const PixelBox& click_box);
void draw_units_button(cairo_t* cr, const PixelBox& click_box);
void draw_knob(cairo_t* cr, const PixelBox& click_box);
