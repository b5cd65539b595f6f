// The powered liquid-crystal disc, one frame per LCD bank. Metric banks carry
// Cyrillic labels, imperial banks Latin ones, as on the instrument's two
// export versions.
#include <array>

#include "tools/artwork/artwork_drawings.h"
#include "tools/artwork/cairo_shapes.h"
#include "tools/artwork/canvas.h"
#include "tools/artwork/colour_quantiser.h"
#include "tools/artwork/dial_markings.h"
#include "tools/artwork/face_geometry.h"
#include "tools/artwork/key_colours.h"

namespace {

struct DialLabels {
    const char* altitude; // before the altitude digits; may be empty
    const char* unit;     // after the altitude digits
    const char* pressure; // above the pressure window
};
constexpr DialLabels metric_labels{.altitude = "", .unit = "М", .pressure = "гПа"};
constexpr DialLabels imperial_labels{.altitude = "ALT", .unit = "FT", .pressure = "hPa"};

constexpr double unit_label_font_px = 15.0;
constexpr double altitude_label_font_px = 12.0;
constexpr double pressure_label_font_px = 11.0;
// Label centres, from the edge of the window they name.
constexpr double unit_label_gap_px = 16.0;      // right of the altitude digits
constexpr double unit_label_drop_px = 6.0;      // low, like a suffix on the digits' baseline
constexpr double altitude_label_gap_px = 24.0;  // left of the altitude digits
constexpr double pressure_label_rise_px = 12.0; // above the pressure window's outline

void draw_labels(cairo_t* cr, const DialLabels& labels)
{
    const PixelBox& alt = face_altitude_window;
    set_colour(cr, lcd_ink);
    centred_text(cr, labels.unit, alt.x + alt.w + unit_label_gap_px, alt.centre_y() + unit_label_drop_px,
                 unit_label_font_px, FontWeight::bold);
    if (*labels.altitude != '\0') {
        centred_text(cr, labels.altitude, alt.x - altitude_label_gap_px, alt.centre_y(), altitude_label_font_px,
                     FontWeight::bold);
    }
    centred_text(cr, labels.pressure, face_pressure_window.centre_x(), face_pressure_window.y - pressure_label_rise_px,
                 pressure_label_font_px, FontWeight::bold);
}

// A digit icon that shows nothing must leave exactly a digit frame's
// background, so the windows are repainted flat after everything else.
void clear_digit_windows(cairo_t* cr, Rgb lcd)
{
    for (const PixelBox& w :
         {face_deviation_border, face_selected_altitude_window, face_altitude_window, face_pressure_window}) {
        cairo_rectangle(cr, w.x, w.y, w.w, w.h);
    }
    fill_with(cr, lcd);
}

} // namespace

IndexedImage draw_lit_dial(int bank, FrameSize size)
{
    const Rgb lcd = lcd_bank_colours.at(static_cast<std::size_t>(bank));
    Canvas canvas(size);
    cairo_t* cr = canvas.cr();
    circle_path(cr, face_centre_x, face_centre_y, face_bezel_inner_radius);
    fill_with(cr, near_black);
    circle_path(cr, face_centre_x, face_centre_y, face_lcd_radius);
    fill_with(cr, lcd);

    draw_graduations(cr, lcd_ink);
    draw_numerals(cr, lcd_ink);
    draw_pressure_window_outline(cr, lcd_ink);
    draw_labels(cr, bank_is_feet(bank) ? imperial_labels : metric_labels);
    clear_digit_windows(cr, lcd);

    const std::array keys{lcd, lcd_ink, near_black};
    return quantise(canvas, keys);
}
