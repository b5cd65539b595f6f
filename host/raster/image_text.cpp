#include "host/raster/image_text.h"

#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wall"
#pragma GCC diagnostic ignored "-Wextra"
#pragma GCC diagnostic ignored "-Wunused-function"
#include <stb/stb_easy_font.h>
#pragma GCC diagnostic pop

namespace {

constexpr int plate_margin = 1;
constexpr int glyph_height = 7; // capitals and digits of the font
constexpr Rgba plate_colour = {0, 0, 0, 170};

// The font hands back quads of four vertices, each filled as a box.
struct FontVertex {
    float x, y, z;
    unsigned char colour[4];
};

void fill_box(Image& image, int x0, int y0, int x1, int y1, Rgba colour)
{
    for (int y = y0; y < y1; ++y)
        for (int x = x0; x < x1; ++x)
            if (image.contains(x, y))
                blend_pixel(image.at(x, y), colour);
}

} // namespace

TextSize label_size(const std::string& text)
{
    return {stb_easy_font_width(const_cast<char*>(text.c_str())) + 2 * plate_margin, glyph_height + 2 * plate_margin};
}

void draw_text(Image& image, const std::string& text, int x, int y, Rgba colour, int scale)
{
    static FontVertex vertices[4 * 2000];
    const int quads = stb_easy_font_print(0, 0, const_cast<char*>(text.c_str()), nullptr, vertices, sizeof vertices);
    for (int q = 0; q < quads; ++q) {
        const FontVertex* v = &vertices[q * 4];
        fill_box(image, x + static_cast<int>(v[0].x) * scale, y + static_cast<int>(v[0].y) * scale,
                 x + static_cast<int>(v[2].x) * scale, y + static_cast<int>(v[2].y) * scale, colour);
    }
}

void draw_label(Image& image, const std::string& text, int x, int y, Rgba colour)
{
    const TextSize size = label_size(text);
    fill_box(image, x, y, x + size.width, y + size.height, plate_colour);
    draw_text(image, text, x + plate_margin, y + plate_margin, colour);
}
