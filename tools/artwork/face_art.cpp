// The unlit instrument: what the crew sees with the power off.
#include <array>

#include "tools/artwork/artwork_drawings.h"
#include "tools/artwork/cairo_shapes.h"
#include "tools/artwork/canvas.h"
#include "tools/artwork/colour_quantiser.h"
#include "tools/artwork/dial_markings.h"
#include "tools/artwork/face_controls.h"
#include "tools/artwork/face_geometry.h"
#include "tools/artwork/key_colours.h"

namespace {

constexpr Rgb bezel_light{104, 106, 110};
constexpr Rgb bezel_dark{14, 14, 16};
constexpr Rgb display_frame{24, 25, 24};
constexpr Rgb dial_centre_grey{150, 154, 146};
constexpr Rgb dial_edge_grey{112, 116, 108};
constexpr Rgb dial_print{52, 54, 50};

constexpr double bezel_bevel_px = 6.0;

// A turned ring: lit from the top left on its outer slope, shaded on the
// inner slope that falls toward the glass.
void draw_bezel(cairo_t* cr)
{
    fill_lit_circle(cr, face_centre_x, face_centre_y, face_bezel_outer_radius, bezel_light, bezel_dark);
    fill_lit_circle(cr, face_centre_x, face_centre_y, face_bezel_outer_radius - bezel_bevel_px, bezel_dark,
                    bezel_light);
    circle_path(cr, face_centre_x, face_centre_y, face_bezel_inner_radius);
    fill_with(cr, display_frame);
}

// The unpowered liquid crystal reads as a flat grey, a little lighter where
// the light through the glass is strongest.
void draw_dial(cairo_t* cr)
{
    cairo_pattern_t* glass = cairo_pattern_create_radial(face_centre_x - 40, face_centre_y - 50, 10, face_centre_x,
                                                         face_centre_y, face_lcd_radius);
    add_colour_stop(glass, 0.0, dial_centre_grey);
    add_colour_stop(glass, 1.0, dial_edge_grey);
    circle_path(cr, face_centre_x, face_centre_y, face_lcd_radius);
    cairo_set_source(cr, glass);
    cairo_fill(cr);
    cairo_pattern_destroy(glass);

    draw_graduations(cr, dial_print);
    draw_numerals(cr, dial_print);
    draw_pressure_window_outline(cr, dial_print);
}

} // namespace

IndexedImage draw_face(int, FrameSize size)
{
    Canvas canvas(size);
    cairo_t* cr = canvas.cr();
    draw_bezel(cr);
    draw_dial(cr);
    draw_brightness_switch(cr, face_brightness_switch);
    draw_units_button(cr, face_units_button);
    draw_knob(cr, face_selected_altitude_knob);
    draw_knob(cr, face_pressure_knob);

    const std::array keys{display_frame, dial_print};
    return quantise(canvas, keys);
}
