// Where things sit on the altimeter face, in face pixels, and the sizes of
// the images drawn for it. The places of the digits, the border, the dial
// centre and the controls are the layout's (layout/face_geometry.h): the
// windows and controls are drawn where the element trees put their icons and
// the mouse-area lists their boxes. The radii and the frame sizes are this
// artwork's own design.
#pragma once

#include <span>

#include "layout/face_geometry.h"
#include "tools/artwork/image_types.h"

constexpr FrameSize frame_size_of(FaceDimensions size)
{
    return {size.width, size.height};
}
constexpr PixelBox pixel_box_of(FaceBox box)
{
    return {box.x, box.y, box.width, box.height};
}

// The smallest box holding both.
constexpr PixelBox box_around(const PixelBox& a, const PixelBox& b)
{
    const int x = a.x < b.x ? a.x : b.x, y = a.y < b.y ? a.y : b.y;
    const int right = a.x + a.w > b.x + b.w ? a.x + a.w : b.x + b.w;
    const int bottom = a.y + a.h > b.y + b.h ? a.y + a.h : b.y + b.h;
    return {x, y, right - x, bottom - y};
}

// The box that digits of one size cover at the given places.
constexpr PixelBox digits_box(std::span<const FacePoint> places, FrameSize digit)
{
    PixelBox box{places[0].x, places[0].y, digit.width, digit.height};
    for (const FacePoint& p : places)
        box = box_around(box, {p.x, p.y, digit.width, digit.height});
    return box;
}

// Frame sizes. The medium and small digit strips' first bank (metres
// bright) is cut shorter than their other three.
inline constexpr FrameSize face_frame_size = frame_size_of(altimeter_face_size);
inline constexpr FrameSize deviation_border_size{142, 47};
inline constexpr FrameSize medium_digit_size{24, 30};
inline constexpr FrameSize medium_digit_later_banks_size{24, 32};
inline constexpr FrameSize small_digit_size{19, 24};
inline constexpr FrameSize small_digit_later_banks_size{19, 25};
inline constexpr FrameSize large_digit_size{30, 40};
inline constexpr FrameSize needle_size{128, 6};
inline constexpr FrameSize breaker_frame_size = frame_size_of(breaker_face_size);

// The needle turns about the dial centre, so the dial is centred on it.
inline constexpr double face_centre_x = dial_centre.x;
inline constexpr double face_centre_y = dial_centre.y;

inline constexpr double face_bezel_outer_radius = 177.0;
inline constexpr double face_bezel_inner_radius = 163.0;
inline constexpr double face_lcd_radius = 158.0; // lit disc; the ring beyond it stays dark

// The needle is a short bar sweeping this band; the print starts just outside it.
inline constexpr double face_needle_inner_radius = 88.0;
inline constexpr double face_needle_outer_radius = 126.0;
inline constexpr double face_graduation_inner_radius = 129.0;
inline constexpr double face_numeral_radius = 148.0;

// Digit windows, where the digits stand: a blank digit must show the same
// plain colour as a digit frame's background, so the lit dial keeps these
// free of print. The large altitude digits set that window's height.
inline constexpr PixelBox face_selected_altitude_window =
    digits_box(selected_digit_places, medium_digit_later_banks_size);
inline constexpr PixelBox face_deviation_border{deviation_border_place.x, deviation_border_place.y,
                                                deviation_border_size.width, deviation_border_size.height};
inline constexpr PixelBox face_altitude_window =
    box_around(digits_box(std::span(altitude_digit_places).first(3), medium_digit_later_banks_size),
               digits_box(std::span(altitude_digit_places).last(2), large_digit_size));
inline constexpr PixelBox face_pressure_window = digits_box(pressure_digit_places, small_digit_later_banks_size);

// Controls, drawn under the boxes the crew clicks; a knob spans its two halves.
inline constexpr PixelBox face_brightness_switch = pixel_box_of(brightness_switch_box);
inline constexpr PixelBox face_units_button = pixel_box_of(units_button_box);
inline constexpr PixelBox face_selected_altitude_knob =
    box_around(pixel_box_of(selected_knob_decrease_box), pixel_box_of(selected_knob_increase_box));
inline constexpr PixelBox face_pressure_knob =
    box_around(pixel_box_of(pressure_knob_decrease_box), pixel_box_of(pressure_knob_increase_box));
