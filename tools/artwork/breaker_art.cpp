// The circuit breaker: a blue cap seen through the panel, and the toggle
// switch mounted over it in its three lever positions.
#include <array>
#include <stdexcept>

#include "artwork_drawings.h"
#include "cairo_shapes.h"
#include "canvas.h"
#include "colour_quantiser.h"
#include "key_colours.h"

namespace artwork {

namespace {

// The disc's even width centres it on a pixel corner; the switch's odd width
// centres it on that pixel's middle, still covering the disc all round.
constexpr double kDiscCentreX = 14.0;
constexpr double kDiscCentreY = 32.0;
constexpr double kCentreX = kDiscCentreX + 0.5;
constexpr double kCentreY = kDiscCentreY + 0.5;
constexpr double kDiscRadius = 11.0;
constexpr double kDiscOutlinePx = 1.0;
constexpr double kRingRadius = 12.5;
constexpr double kBoreRadius = 5.0;

constexpr double kLeverReachPx = 26.0;  // from the ring's centre to the lever's tip
constexpr double kLeverBaseHalfWidth = 3.4;
constexpr double kLeverTipRadius = 3.4;
constexpr double kEndOnTipRadius = 5.5;

constexpr Rgb kDiscOutline{22, 22, 48};
constexpr Rgb kSteelLight{214, 216, 220};
constexpr Rgb kSteelDark{64, 66, 70};
constexpr Rgb kRingEdge{30, 30, 32};

enum class Lever { down, end_on, up };  // ORDER frame

void draw_ring(cairo_t* cr) {
    circle_path(cr, kCentreX, kCentreY, kRingRadius);
    fill_with(cr, kRingEdge);
    fill_lit_circle(cr, kCentreX, kCentreY, kRingRadius - 1.0, kSteelLight, kSteelDark);
    fill_lit_circle(cr, kCentreX, kCentreY, kRingRadius - 3.5, kSteelDark, kSteelLight);
    fill_lit_circle(cr, kCentreX, kCentreY, kBoreRadius, kNearBlack, kSteelDark);
}

void draw_lever(cairo_t* cr, double direction) {
    const double tip_y = kCentreY + direction * kLeverReachPx;
    tapered_lever_path(cr, kCentreX, kCentreY, tip_y, kLeverBaseHalfWidth, kLeverTipRadius * 0.8);
    fill_path_as_rod(cr, kCentreX, kLeverBaseHalfWidth, kSteelLight, kSteelDark);
    outline_path(cr, kRingEdge, 0.8);
    circle_path(cr, kCentreX, tip_y, kLeverTipRadius + 0.8);
    fill_with(cr, kRingEdge);
    fill_lit_circle(cr, kCentreX, tip_y, kLeverTipRadius, kSteelLight, kSteelDark);
}

}  // namespace

IndexedImage draw_breaker_disc(int, FrameSize size) {
    Canvas canvas(size);
    cairo_t* cr = canvas.cr();
    circle_path(cr, kDiscCentreX, kDiscCentreY, kDiscRadius);
    fill_with(cr, kDiscOutline);
    circle_path(cr, kDiscCentreX, kDiscCentreY, kDiscRadius - kDiscOutlinePx);
    fill_with(cr, kBreakerCapBlue);
    const std::array keys{kBreakerCapBlue, kDiscOutline};
    return quantise(canvas, keys);
}

IndexedImage draw_breaker_switch(int frame, FrameSize size) {
    Canvas canvas(size);
    cairo_t* cr = canvas.cr();
    draw_ring(cr);
    switch (static_cast<Lever>(frame)) {
        case Lever::down: draw_lever(cr, +1.0); break;
        case Lever::up: draw_lever(cr, -1.0); break;
        case Lever::end_on:
            circle_path(cr, kCentreX, kCentreY, kEndOnTipRadius + 0.8);
            fill_with(cr, kRingEdge);
            fill_lit_circle(cr, kCentreX, kCentreY, kEndOnTipRadius, kSteelLight, kSteelDark);
            break;
        default: throw std::out_of_range("a breaker switch has three frames");
    }
    const std::array keys{kRingEdge};
    return quantise(canvas, keys);
}

}  // namespace artwork
