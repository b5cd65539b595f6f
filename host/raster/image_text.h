// Small labels written into an image in a plain built-in font, legible at
// one pixel per stroke, on a dark plate so they read over any artwork.
#pragma once

#include <string>

#include "host/raster/image.h"

struct TextSize {
    int width;
    int height;
};
TextSize label_size(const std::string& text);

// The text alone, each stroke `scale` pixels wide, its top-left corner at
// (x, y); nothing is drawn beyond the image.
void draw_text(Image& image, const std::string& text, int x, int y, Rgba colour, int scale = 1);

// The label's plate has its top-left corner at (x, y).
void draw_label(Image& image, const std::string& text, int x, int y, Rgba colour);
