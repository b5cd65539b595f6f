#include "host/core/contact_sheet.h"

#include <algorithm>

#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wall"
#pragma GCC diagnostic ignored "-Wextra"
#pragma GCC diagnostic ignored "-Wunused-function"
#include <stb/stb_easy_font.h>
#pragma GCC diagnostic pop

namespace {

constexpr int margin = 12;
constexpr int caption_height = 24;
constexpr int caption_scale = 2;
constexpr Rgba sheet_background = {24, 24, 28, 255};
constexpr Rgba caption_colour = {230, 230, 230, 255};

// stb's easy font gives quads of four vertices; each is filled as a box.
struct FontVertex {
    float x, y, z;
    unsigned char colour[4];
};

void draw_caption(Image& sheet, const std::string& text, int left, int top)
{
    static FontVertex vertices[4 * 2000];
    const int quads = stb_easy_font_print(0, 0, const_cast<char*>(text.c_str()), nullptr, vertices, sizeof vertices);
    for (int q = 0; q < quads; ++q) {
        const FontVertex* v = &vertices[q * 4];
        const int x0 = left + static_cast<int>(v[0].x) * caption_scale;
        const int y0 = top + static_cast<int>(v[0].y) * caption_scale;
        const int x1 = left + static_cast<int>(v[2].x) * caption_scale;
        const int y1 = top + static_cast<int>(v[2].y) * caption_scale;
        for (int y = y0; y < y1; ++y)
            for (int x = x0; x < x1; ++x)
                if (sheet.contains(x, y))
                    sheet.at(x, y) = caption_colour;
    }
}

} // namespace

Image contact_sheet(const std::vector<SheetMoment>& moments, int columns)
{
    int cell_width = 1, cell_height = 1;
    for (const SheetMoment& moment : moments) {
        cell_width = std::max(cell_width, moment.picture.width);
        cell_height = std::max(cell_height, moment.picture.height);
    }
    const int count = static_cast<int>(moments.size());
    const int across = std::max(1, std::min(columns, count));
    const int rows = std::max(1, (count + across - 1) / across);
    Image sheet(margin + across * (cell_width + margin), margin + rows * (cell_height + caption_height + margin),
                sheet_background);
    for (int i = 0; i < count; ++i) {
        const int left = margin + (i % across) * (cell_width + margin);
        const int top = margin + (i / across) * (cell_height + caption_height + margin);
        draw_over(sheet, moments[i].picture, left, top);
        draw_caption(sheet, moments[i].caption, left, top + cell_height + 4);
    }
    return sheet;
}
