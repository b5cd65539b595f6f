// Where things sit on the 361 x 358 altimeter face, in face pixels. The digit
// windows and control boxes are where the panel layout places its icons and
// mouse areas; the radii are this artwork's own design.
#pragma once

#include "tools/artwork/image_types.h"

inline constexpr FrameSize face_size{361, 358};

// The needle turns about this point, so the dial is centred on it.
inline constexpr double face_centre_x = 180.0;
inline constexpr double face_centre_y = 179.0;

inline constexpr double face_bezel_outer_radius = 177.0;
inline constexpr double face_bezel_inner_radius = 163.0;
inline constexpr double face_lcd_radius = 158.0;  // lit disc; the ring beyond it stays dark

// The needle is a short bar sweeping this band; the print starts just outside it.
inline constexpr double face_needle_inner_radius = 88.0;
inline constexpr double face_needle_outer_radius = 126.0;
inline constexpr double face_graduation_inner_radius = 129.0;
inline constexpr double face_numeral_radius = 148.0;

// Digit windows: a blank digit must show the same plain colour as a digit
// frame's background, so the lit dial keeps these free of print.
inline constexpr PixelBox face_selected_altitude_window{120, 109, 120, 32};
inline constexpr PixelBox face_deviation_border{109, 100, 142, 47};
inline constexpr PixelBox face_altitude_window{114, 170, 132, 40};
inline constexpr PixelBox face_pressure_window{139, 240, 76, 25};

// Controls, drawn under the boxes the crew clicks.
inline constexpr PixelBox face_brightness_switch{23, 20, 45, 45};
inline constexpr PixelBox face_units_button{308, 9, 40, 40};
inline constexpr PixelBox face_selected_altitude_knob{1, 293, 60, 45};
inline constexpr PixelBox face_pressure_knob{309, 293, 52, 48};

