#include "host/raster/contact_sheet.h"

#include <algorithm>

#include "host/raster/image_text.h"

namespace {

constexpr int margin = 12;
constexpr int caption_height = 24;
constexpr int caption_scale = 2;
constexpr Rgba caption_colour = {230, 230, 230, 255};

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
        draw_text(sheet, moments[i].caption, left, top + cell_height + 4, caption_colour, caption_scale);
    }
    return sheet;
}
