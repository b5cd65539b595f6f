#include "face_controls.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "cairo_shapes.h"

namespace artwork {

namespace {

constexpr Rgb kSteelLight{212, 214, 218};
constexpr Rgb kSteelDark{66, 68, 72};
constexpr Rgb kPlasticLight{128, 130, 134};
constexpr Rgb kPlasticDark{16, 16, 18};
constexpr Rgb kPlasticShine{150, 152, 156};
constexpr Rgb kShadow{14, 14, 15};
constexpr Rgb kButtonPrint{226, 226, 218};

// Brightness switch: a steel nut on a dark round base, its bat standing up.
constexpr double kSwitchBaseRadius = 17.0;
constexpr double kNutRadius = 11.5;
constexpr int kNutSides = 6;
constexpr double kLeverLength = 19.0;
constexpr double kLeverBaseHalfWidth = 3.8;
constexpr double kLeverTipRadius = 4.4;
constexpr double kSwitchDropPx = 4.0;  // the bat needs room above the nut

constexpr double kButtonBezelRadius = 17.0;
constexpr double kButtonRadius = 13.0;
constexpr double kButtonPrintPx = 9.0;

constexpr int kKnobGripTeeth = 32;
constexpr double kKnobGripDepth = 2.0;
constexpr double kKnobCapFraction = 0.66;

void hexagon_path(cairo_t* cr, double cx, double cy, double radius) {
    for (int i = 0; i < kNutSides; ++i) {
        const double a = 2.0 * std::numbers::pi * (i + 0.5) / kNutSides;
        cairo_line_to(cr, cx + radius * std::cos(a), cy + radius * std::sin(a));
    }
    cairo_close_path(cr);
}

// A toothed outline: the knurled grip a gloved hand turns.
void grip_path(cairo_t* cr, double cx, double cy, double radius) {
    constexpr int kPointsPerTooth = 4;
    for (int i = 0; i < kKnobGripTeeth * kPointsPerTooth; ++i) {
        const double a = 2.0 * std::numbers::pi * i / (kKnobGripTeeth * kPointsPerTooth);
        const bool crest = (i % kPointsPerTooth) < kPointsPerTooth / 2;
        const double r = crest ? radius : radius - kKnobGripDepth;
        cairo_line_to(cr, cx + r * std::cos(a), cy + r * std::sin(a));
    }
    cairo_close_path(cr);
}

// A domed cap: brightest off-centre toward the light.
void fill_domed_circle(cairo_t* cr, double cx, double cy, double radius) {
    cairo_pattern_t* dome = cairo_pattern_create_radial(cx - radius * 0.4, cy - radius * 0.45, radius * 0.1, cx, cy, radius);
    add_colour_stop(dome, 0.0, kPlasticShine);
    add_colour_stop(dome, 1.0, kPlasticDark);
    circle_path(cr, cx, cy, radius);
    cairo_set_source(cr, dome);
    cairo_fill(cr);
    cairo_pattern_destroy(dome);
}

}  // namespace

void draw_brightness_switch(cairo_t* cr, const PixelBox& box) {
    const double cx = box.centre_x(), cy = box.centre_y() + kSwitchDropPx;
    fill_lit_circle(cr, cx, cy, kSwitchBaseRadius, kPlasticLight, kPlasticDark);
    fill_lit_circle(cr, cx, cy, kSwitchBaseRadius - 1.5, kPlasticDark, kPlasticLight);

    hexagon_path(cr, cx + 1.0, cy + 1.5, kNutRadius);
    fill_with(cr, kShadow);
    hexagon_path(cr, cx, cy, kNutRadius);
    fill_path_lit(cr, cx, cy, kNutRadius, kSteelLight, kSteelDark);
    outline_path(cr, kShadow, 1.0);
    fill_lit_circle(cr, cx, cy, kNutRadius * 0.6, kSteelDark, kSteelLight);

    const double tip_y = cy - kLeverLength;
    tapered_lever_path(cr, cx, cy, tip_y, kLeverBaseHalfWidth, kLeverTipRadius * 0.7);
    fill_path_as_rod(cr, cx, kLeverBaseHalfWidth, kSteelLight, kSteelDark);
    outline_path(cr, kShadow, 0.8);
    circle_path(cr, cx, tip_y, kLeverTipRadius + 0.8);
    fill_with(cr, kShadow);
    fill_lit_circle(cr, cx, tip_y, kLeverTipRadius, kSteelLight, kSteelDark);
}

void draw_units_button(cairo_t* cr, const PixelBox& box) {
    const double cx = box.centre_x(), cy = box.centre_y();
    fill_lit_circle(cr, cx, cy, kButtonBezelRadius, kSteelLight, kSteelDark);
    fill_lit_circle(cr, cx, cy, kButtonBezelRadius - 2.0, kShadow, kSteelDark);
    fill_domed_circle(cr, cx, cy, kButtonRadius);

    // The two units the button switches between, one above the other.
    set_colour(cr, kButtonPrint);
    centred_text(cr, "М", cx, cy - 5.5, kButtonPrintPx, FontWeight::bold);
    centred_text(cr, "FT", cx, cy + 5.5, kButtonPrintPx, FontWeight::bold);
    cairo_move_to(cr, cx - 7.0, cy);
    cairo_line_to(cr, cx + 7.0, cy);
    cairo_set_line_width(cr, 1.0);
    cairo_stroke(cr);
}

void draw_knob(cairo_t* cr, const PixelBox& box) {
    const double cx = box.centre_x(), cy = box.centre_y();
    const double radius = std::min(box.w, box.h) / 2.0 - 1.0;
    circle_path(cr, cx + 1.5, cy + 2.0, radius);
    fill_with(cr, kShadow);

    grip_path(cr, cx, cy, radius);
    fill_path_lit(cr, cx, cy, radius, kPlasticLight, kPlasticDark);
    outline_path(cr, kShadow, 0.7);

    const double cap = radius * kKnobCapFraction;
    fill_lit_circle(cr, cx, cy, cap + 1.5, kPlasticDark, kPlasticLight);
    fill_domed_circle(cr, cx, cy, cap);
}

}  // namespace artwork
