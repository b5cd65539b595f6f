#include "tools/artwork/contact_sheet.h"

#include <algorithm>
#include <stdexcept>
#include <string>

#include "tools/artwork/cairo_shapes.h"
#include "tools/artwork/canvas.h"
#include "tools/artwork/key_colours.h"

namespace {

constexpr Rgb panel_ground{92, 98, 104};
constexpr Rgb sheet_ground{200, 200, 196};
constexpr Rgb label_ink{40, 40, 40};
constexpr int gutter_px = 10;
constexpr int label_px = 14;
constexpr int target_sheet_width_px = 900; // small frames are enlarged toward this
constexpr int max_enlargement = 8;

// Undrawn pixels take the panel's colour, as on the instrument panel.
cairo_surface_t* render_tile(const IndexedImage& image)
{
    cairo_surface_t* tile = cairo_image_surface_create(CAIRO_FORMAT_RGB24, image.size.width, image.size.height);
    unsigned char* data = cairo_image_surface_get_data(tile);
    const int stride = cairo_image_surface_get_stride(tile);
    for (int y = 0; y < image.size.height; ++y) {
        auto* row = reinterpret_cast<std::uint32_t*>(data + y * stride);
        for (int x = 0; x < image.size.width; ++x) {
            const Rgb c = image.at(x, y) == undrawn ? panel_ground : image.at(x, y);
            row[x] = (std::uint32_t(c.r) << 16) | (std::uint32_t(c.g) << 8) | c.b;
        }
    }
    cairo_surface_mark_dirty(tile);
    return tile;
}

} // namespace

void write_contact_sheet(const std::filesystem::path& file, const std::vector<SheetTile>& tiles, int columns)
{
    if (tiles.empty() || columns < 1)
        throw std::logic_error("a contact sheet needs tiles and columns");
    int cell_w = 0, cell_h = 0;
    for (const SheetTile& t : tiles) {
        cell_w = std::max(cell_w, t.image.size.width);
        cell_h = std::max(cell_h, t.image.size.height);
    }
    const int scale = std::clamp(target_sheet_width_px / (cell_w * columns), 1, max_enlargement);
    const int rows = (static_cast<int>(tiles.size()) + columns - 1) / columns;
    const int pitch_x = cell_w * scale + gutter_px;
    const int pitch_y = cell_h * scale + gutter_px + label_px;

    Canvas sheet({columns * pitch_x + gutter_px, rows * pitch_y + gutter_px});
    cairo_t* cr = sheet.cr();
    set_colour(cr, sheet_ground);
    cairo_paint(cr);
    for (std::size_t i = 0; i < tiles.size(); ++i) {
        const double x = gutter_px + static_cast<int>(i) % columns * pitch_x;
        const double y = gutter_px + static_cast<int>(i) / columns * pitch_y;
        cairo_surface_t* tile = render_tile(tiles[i].image);
        cairo_save(cr);
        cairo_translate(cr, x, y);
        cairo_scale(cr, scale, scale);
        cairo_set_source_surface(cr, tile, 0, 0);
        cairo_pattern_set_filter(cairo_get_source(cr), CAIRO_FILTER_NEAREST);
        cairo_paint(cr);
        cairo_restore(cr);
        cairo_surface_destroy(tile);
        set_colour(cr, label_ink);
        centred_text(cr, std::to_string(tiles[i].resource_id).c_str(), x + tiles[i].image.size.width * scale / 2.0,
                     y + cell_h * scale + label_px / 2.0 + 2, label_px - 4, FontWeight::normal);
    }
    cairo_surface_t* target = cairo_get_target(cr);
    cairo_surface_flush(target);
    if (cairo_surface_write_to_png(target, file.c_str()) != CAIRO_STATUS_SUCCESS)
        throw std::runtime_error("cannot write " + file.string());
}
