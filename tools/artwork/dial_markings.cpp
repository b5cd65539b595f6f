#include "dial_markings.h"

#include <cmath>
#include <numbers>
#include <string>

#include "cairo_shapes.h"
#include "face_geometry.h"

namespace artwork {

namespace {

constexpr int kNumeralCount = 10;
constexpr int kUnitsPerTurn = 1000;
constexpr int kUnitsPerGraduation = 10;
constexpr int kUnitsPerHalfNumeral = 50;
constexpr int kUnitsPerNumeral = kUnitsPerTurn / kNumeralCount;

struct TickStyle {
    double length = 0;
    double width = 0;
};
constexpr TickStyle kNumeralTick{.length = 10.5, .width = 2.6};
constexpr TickStyle kHalfTick{.length = 7.5, .width = 1.8};
constexpr TickStyle kMinorTick{.length = 5.0, .width = 1.2};

constexpr double kNumeralFontPx = 20.0;
constexpr double kOutlineMarginPx = 4.0;
constexpr double kOutlineWidthPx = 1.6;

// Clockwise from twelve o'clock, with y growing downward.
double dial_x(double units, double radius) {
    return face::kCentreX + radius * std::sin(2.0 * std::numbers::pi * units / kUnitsPerTurn);
}
double dial_y(double units, double radius) {
    return face::kCentreY - radius * std::cos(2.0 * std::numbers::pi * units / kUnitsPerTurn);
}

TickStyle tick_at(int units) {
    if (units % kUnitsPerNumeral == 0) return kNumeralTick;
    if (units % kUnitsPerHalfNumeral == 0) return kHalfTick;
    return kMinorTick;
}

}  // namespace

void draw_graduations(cairo_t* cr, Rgb ink) {
    set_colour(cr, ink);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_BUTT);
    for (int units = 0; units < kUnitsPerTurn; units += kUnitsPerGraduation) {
        const TickStyle tick = tick_at(units);
        const double inner = face::kGraduationInnerRadius;
        cairo_move_to(cr, dial_x(units, inner), dial_y(units, inner));
        cairo_line_to(cr, dial_x(units, inner + tick.length), dial_y(units, inner + tick.length));
        cairo_set_line_width(cr, tick.width);
        cairo_stroke(cr);
    }
}

void draw_numerals(cairo_t* cr, Rgb ink) {
    set_colour(cr, ink);
    for (int numeral = 0; numeral < kNumeralCount; ++numeral) {
        const double units = numeral * kUnitsPerNumeral;
        centred_text(cr, std::to_string(numeral).c_str(), dial_x(units, face::kNumeralRadius),
                     dial_y(units, face::kNumeralRadius), kNumeralFontPx, FontWeight::bold);
    }
}

void draw_pressure_window_outline(cairo_t* cr, Rgb ink) {
    const PixelBox& w = face::kPressureWindow;
    const double inset = kOutlineMarginPx - kOutlineWidthPx / 2.0;
    rounded_box_path(cr, w.x - inset, w.y - inset, w.w + 2 * inset, w.h + 2 * inset, 3.0);
    set_colour(cr, ink);
    cairo_set_line_width(cr, kOutlineWidthPx);
    cairo_stroke(cr);
}

}  // namespace artwork
