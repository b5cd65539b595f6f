// Where things sit on the gauges' faces, in face pixels from the top-left
// corner: the places of the altimeter's elements, the boxes of its controls,
// and the sizes of both faces. The element trees and the mouse-area lists
// place their records here, and the artwork generator draws the faces to
// match, so every place is written once. Plain numbers only: the generator
// reads this header too.
#pragma once

#include <cstdint>

struct FacePoint {
    std::int32_t x, y;
};
struct FaceBox {
    std::int32_t x, y, width, height;
};
struct FaceDimensions {
    std::int32_t width, height;
};

// The altimeter's face; the lit dial covers all of it.
inline constexpr FaceDimensions altimeter_face_size = {361, 358};

// The needle turns about the dial's centre.
inline constexpr FacePoint dial_centre = {180, 179};

// Top-left corners. Digits run ones first; the altitude's thousands and
// ten-thousands are large digits, its other three medium ones.
inline constexpr FacePoint deviation_border_place = {109, 100};
inline constexpr FacePoint selected_digit_places[] = {{216, 109}, {192, 109}, {168, 109}, {144, 109}, {120, 109}};
inline constexpr FacePoint altitude_digit_places[] = {{222, 176}, {198, 176}, {174, 176}, {144, 170}, {114, 170}};
inline constexpr FacePoint pressure_digit_places[] = {{196, 240}, {177, 240}, {158, 240}, {139, 240}};

// clang-format off
// The controls: the crew clicks these boxes, and the face shows each
// control in its box. Each knob is two halves: down on the left, up on the right.
inline constexpr FaceBox brightness_switch_box       = {23, 20, 45, 45};
inline constexpr FaceBox units_button_box            = {308, 9, 40, 40};
inline constexpr FaceBox pressure_knob_decrease_box  = {309, 293, 26, 48};
inline constexpr FaceBox pressure_knob_increase_box  = {335, 293, 26, 48};
inline constexpr FaceBox selected_knob_decrease_box  = {1, 293, 30, 45};
inline constexpr FaceBox selected_knob_increase_box  = {31, 293, 30, 45};
// Where the pressure tooltip shows: over the pressure knob, reaching past
// the face's right edge and 3 pixels less far down than the knob's halves.
inline constexpr FaceBox pressure_tooltip_region     = {309, 293, 60, 45};
// clang-format on

// The breaker's face: the disc and the switch fill it, and one click area
// covers it whole.
inline constexpr FaceDimensions breaker_face_size = {30, 65};
