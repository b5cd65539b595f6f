#include "contact_sheet.h"

#include <algorithm>
#include <stdexcept>
#include <string>

#include "cairo_shapes.h"
#include "canvas.h"
#include "key_colours.h"

namespace artwork {

namespace {

constexpr Rgb kPanelGround{92, 98, 104};
constexpr Rgb kSheetGround{200, 200, 196};
constexpr Rgb kLabelInk{40, 40, 40};
constexpr int kGutterPx = 10;
constexpr int kLabelPx = 14;
constexpr int kTargetSheetWidthPx = 900;  // small frames are enlarged toward this
constexpr int kMaxEnlargement = 8;

// Undrawn pixels take the panel's colour, as on the instrument panel.
cairo_surface_t* render_tile(const IndexedImage& image) {
    cairo_surface_t* tile = cairo_image_surface_create(CAIRO_FORMAT_RGB24, image.size.width, image.size.height);
    unsigned char* data = cairo_image_surface_get_data(tile);
    const int stride = cairo_image_surface_get_stride(tile);
    for (int y = 0; y < image.size.height; ++y) {
        auto* row = reinterpret_cast<std::uint32_t*>(data + y * stride);
        for (int x = 0; x < image.size.width; ++x) {
            const Rgb c = image.at(x, y) == kUndrawn ? kPanelGround : image.at(x, y);
            row[x] = (std::uint32_t(c.r) << 16) | (std::uint32_t(c.g) << 8) | c.b;
        }
    }
    cairo_surface_mark_dirty(tile);
    return tile;
}

}  // namespace

void write_contact_sheet(const std::filesystem::path& file, const std::vector<SheetTile>& tiles, int columns) {
    if (tiles.empty() || columns < 1) throw std::logic_error("a contact sheet needs tiles and columns");
    int cell_w = 0, cell_h = 0;
    for (const SheetTile& t : tiles) {
        cell_w = std::max(cell_w, t.image.size.width);
        cell_h = std::max(cell_h, t.image.size.height);
    }
    const int scale = std::clamp(kTargetSheetWidthPx / (cell_w * columns), 1, kMaxEnlargement);
    const int rows = (static_cast<int>(tiles.size()) + columns - 1) / columns;
    const int pitch_x = cell_w * scale + kGutterPx;
    const int pitch_y = cell_h * scale + kGutterPx + kLabelPx;

    Canvas sheet({columns * pitch_x + kGutterPx, rows * pitch_y + kGutterPx});
    cairo_t* cr = sheet.cr();
    set_colour(cr, kSheetGround);
    cairo_paint(cr);
    for (std::size_t i = 0; i < tiles.size(); ++i) {
        const double x = kGutterPx + static_cast<int>(i) % columns * pitch_x;
        const double y = kGutterPx + static_cast<int>(i) / columns * pitch_y;
        cairo_surface_t* tile = render_tile(tiles[i].image);
        cairo_save(cr);
        cairo_translate(cr, x, y);
        cairo_scale(cr, scale, scale);
        cairo_set_source_surface(cr, tile, 0, 0);
        cairo_pattern_set_filter(cairo_get_source(cr), CAIRO_FILTER_NEAREST);
        cairo_paint(cr);
        cairo_restore(cr);
        cairo_surface_destroy(tile);
        set_colour(cr, kLabelInk);
        centred_text(cr, std::to_string(tiles[i].resource_id).c_str(), x + tiles[i].image.size.width * scale / 2.0,
                     y + cell_h * scale + kLabelPx / 2.0 + 2, kLabelPx - 4, FontWeight::normal);
    }
    cairo_surface_t* target = cairo_get_target(cr);
    cairo_surface_flush(target);
    if (cairo_surface_write_to_png(target, file.c_str()) != CAIRO_STATUS_SUCCESS)
        throw std::runtime_error("cannot write " + file.string());
}

}  // namespace artwork
