// The unlit instrument: what the crew sees with the power off.
#include <array>

#include "artwork_drawings.h"
#include "cairo_shapes.h"
#include "canvas.h"
#include "colour_quantiser.h"
#include "dial_markings.h"
#include "face_controls.h"
#include "face_geometry.h"
#include "key_colours.h"

namespace artwork {

namespace {

constexpr Rgb kBezelLight{104, 106, 110};
constexpr Rgb kBezelDark{14, 14, 16};
constexpr Rgb kDisplayFrame{24, 25, 24};
constexpr Rgb kDialCentreGrey{150, 154, 146};
constexpr Rgb kDialEdgeGrey{112, 116, 108};
constexpr Rgb kDialPrint{52, 54, 50};

constexpr double kBezelBevelPx = 6.0;

// A turned ring: lit from the top left on its outer slope, shaded on the
// inner slope that falls toward the glass.
void draw_bezel(cairo_t* cr) {
    using namespace face;
    fill_lit_circle(cr, kCentreX, kCentreY, kBezelOuterRadius, kBezelLight, kBezelDark);
    fill_lit_circle(cr, kCentreX, kCentreY, kBezelOuterRadius - kBezelBevelPx, kBezelDark, kBezelLight);
    circle_path(cr, kCentreX, kCentreY, kBezelInnerRadius);
    fill_with(cr, kDisplayFrame);
}

// The unpowered liquid crystal reads as a flat grey, a little lighter where
// the light through the glass is strongest.
void draw_dial(cairo_t* cr) {
    using namespace face;
    cairo_pattern_t* glass = cairo_pattern_create_radial(kCentreX - 40, kCentreY - 50, 10, kCentreX, kCentreY, kLcdRadius);
    add_colour_stop(glass, 0.0, kDialCentreGrey);
    add_colour_stop(glass, 1.0, kDialEdgeGrey);
    circle_path(cr, kCentreX, kCentreY, kLcdRadius);
    cairo_set_source(cr, glass);
    cairo_fill(cr);
    cairo_pattern_destroy(glass);

    draw_graduations(cr, kDialPrint);
    draw_numerals(cr, kDialPrint);
    draw_pressure_window_outline(cr, kDialPrint);
}

}  // namespace

IndexedImage draw_face(int, FrameSize size) {
    Canvas canvas(size);
    cairo_t* cr = canvas.cr();
    draw_bezel(cr);
    draw_dial(cr);
    draw_brightness_switch(cr, face::kBrightnessSwitch);
    draw_units_button(cr, face::kUnitsButton);
    draw_knob(cr, face::kSelectedAltitudeKnob);
    draw_knob(cr, face::kPressureKnob);

    const std::array keys{kDisplayFrame, kDialPrint};
    return quantise(canvas, keys);
}

}  // namespace artwork
