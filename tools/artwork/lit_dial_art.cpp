// The powered liquid-crystal disc, one frame per LCD bank. Metric banks carry
// Cyrillic labels, imperial banks Latin ones, as on the instrument's two
// export versions.
#include <array>

#include "artwork_drawings.h"
#include "cairo_shapes.h"
#include "canvas.h"
#include "colour_quantiser.h"
#include "dial_markings.h"
#include "face_geometry.h"
#include "key_colours.h"

namespace artwork {

namespace {

struct DialLabels {
    const char* altitude;  // before the altitude digits; may be empty
    const char* unit;      // after the altitude digits
    const char* pressure;  // above the pressure window
};
constexpr DialLabels kMetricLabels{.altitude = "", .unit = "М", .pressure = "гПа"};
constexpr DialLabels kImperialLabels{.altitude = "ALT", .unit = "FT", .pressure = "hPa"};

constexpr double kUnitLabelFontPx = 15.0;
constexpr double kAltitudeLabelFontPx = 12.0;
constexpr double kPressureLabelFontPx = 11.0;
// Label centres, from the edge of the window they name.
constexpr double kUnitLabelGapPx = 16.0;       // right of the altitude digits
constexpr double kUnitLabelDropPx = 6.0;       // low, like a suffix on the digits' baseline
constexpr double kAltitudeLabelGapPx = 24.0;   // left of the altitude digits
constexpr double kPressureLabelRisePx = 12.0;  // above the pressure window's outline

void draw_labels(cairo_t* cr, const DialLabels& labels) {
    using namespace face;
    const PixelBox& alt = kAltitudeWindow;
    set_colour(cr, kLcdInk);
    centred_text(cr, labels.unit, alt.x + alt.w + kUnitLabelGapPx, alt.centre_y() + kUnitLabelDropPx,
                 kUnitLabelFontPx, FontWeight::bold);
    if (*labels.altitude != '\0') {
        centred_text(cr, labels.altitude, alt.x - kAltitudeLabelGapPx, alt.centre_y(), kAltitudeLabelFontPx,
                     FontWeight::bold);
    }
    centred_text(cr, labels.pressure, kPressureWindow.centre_x(), kPressureWindow.y - kPressureLabelRisePx,
                 kPressureLabelFontPx, FontWeight::bold);
}

// A digit icon that shows nothing must leave exactly a digit frame's
// background, so the windows are repainted flat after everything else.
void clear_digit_windows(cairo_t* cr, Rgb lcd) {
    using namespace face;
    for (const PixelBox& w : {kDeviationBorder, kSelectedAltitudeWindow, kAltitudeWindow, kPressureWindow}) {
        cairo_rectangle(cr, w.x, w.y, w.w, w.h);
    }
    fill_with(cr, lcd);
}

}  // namespace

IndexedImage draw_lit_dial(int bank, FrameSize size) {
    using namespace face;
    const Rgb lcd = kLcdBankColours.at(static_cast<std::size_t>(bank));
    Canvas canvas(size);
    cairo_t* cr = canvas.cr();
    circle_path(cr, kCentreX, kCentreY, kBezelInnerRadius);
    fill_with(cr, kNearBlack);
    circle_path(cr, kCentreX, kCentreY, kLcdRadius);
    fill_with(cr, lcd);

    draw_graduations(cr, kLcdInk);
    draw_numerals(cr, kLcdInk);
    draw_pressure_window_outline(cr, kLcdInk);
    draw_labels(cr, bank_is_feet(bank) ? kImperialLabels : kMetricLabels);
    clear_digit_windows(cr, lcd);

    const std::array keys{lcd, kLcdInk, kNearBlack};
    return quantise(canvas, keys);
}

}  // namespace artwork
