#include "layout/altimeter_face.h"

#include <iterator>

#include "instrument/display_callbacks.h"
#include "instrument/needle.h"
#include "layout/bitmap_ids.h"
#include "layout/element_records.h"
#include "layout/face_geometry.h"
#include "layout/gauge_headers.h"

namespace {

// clang-format off
constexpr std::uint32_t unlit_face_flags = image_transparent | image_erase;
constexpr std::uint32_t lcd_icon_flags   = image_transparent | image_erase | image_bright;
constexpr std::uint32_t needle_flags     = image_transparent | image_erase | image_bilinear | image_flag_4000;
// The point of the needle bitmap that lies on the dial centre: its left
// edge's middle row.
constexpr PixelPoint needle_pivot        = {0, 3};
// clang-format on

// clang-format off
// Places in the chain, counted from 1 at the root as the needle's walk
// counts them.
constexpr int place_unlit_face       = 1;
constexpr int place_lit_dial         = 2;
constexpr int place_deviation_border = 3;
constexpr int place_selected_digits  = 4;
constexpr int place_altitude_digits  = place_selected_digits + selected_digit_count;
constexpr int place_pressure_digits  = place_altitude_digits + altitude_digit_count;
constexpr int place_needle           = place_pressure_digits + pressure_digit_count;
// The update finds the needle by walking to this place (instrument/needle.h):
// nothing may come after it or be added before it without moving the walk.
static_assert(place_needle == needle_chain_position, "the needle must stand where the update walks to");
// clang-format on

static_assert(std::size(selected_digit_places) == selected_digit_count);
static_assert(std::size(altitude_digit_places) == altitude_digit_count);
static_assert(std::size(pressure_digit_places) == pressure_digit_count);

template <InstrumentId Id>
constexpr const GaugeHeader* owner = Id == InstrumentId::zor_1 ? &zor_1_gauge_header : &zor_2_gauge_header;

// The element at a place of the chain.
template <InstrumentId Id>
constexpr ElementHeader* chain_element(int place)
{
    // clang-format off
    using Face = AltimeterFace<Id>;
    if (place == place_unlit_face)       return &Face::unlit_face.header;
    if (place == place_lit_dial)         return &Face::lit_dial.header;
    if (place == place_deviation_border) return &Face::deviation_border.header;
    if (place < place_altitude_digits)   return &Face::selected_digits[place - place_selected_digits].header;
    if (place < place_pressure_digits)   return &Face::altitude_digits[place - place_altitude_digits].header;
    if (place < place_needle)            return &Face::pressure_digits[place - place_pressure_digits].header;
    if (place == place_needle)           return &Face::needle.header;
    return nullptr;
    // clang-format on
}

// Each next-element list holds only the element at the following place.
template <InstrumentId Id, int Place>
ElementHeader* const next_list[2] = {chain_element<Id>(Place + 1), nullptr};

template <InstrumentId Id, int Place>
constexpr IconElement lcd_icon(std::uint32_t bitmap, std::uint32_t frames, PixelPoint position, ValueCallback value)
{
    return icon_record(element_header(element_icon, bitmap, position, lcd_icon_flags, owner<Id>, next_list<Id, Place>),
                       frames, value);
}

// Digit Index of a window whose ones digit stands at place First.
template <InstrumentId Id, int First, int Index, std::size_t Count>
constexpr IconElement digit_icon(std::uint32_t bitmap, const FacePoint (&places)[Count], ValueCallback value)
{
    return lcd_icon<Id, First + Index>(bitmap, frames_digit_strip, at(places[Index]), value);
}

} // namespace

template <InstrumentId Id>
constinit StaticImageElement AltimeterFace<Id>::unlit_face = static_image_record(element_header(
    element_static_image, bitmap_unlit_face, {0, 0}, unlit_face_flags, owner<Id>, next_list<Id, place_unlit_face>));

template <InstrumentId Id>
constinit IconElement AltimeterFace<Id>::lit_dial = lcd_icon<Id, place_lit_dial>(bitmap_lit_dial, frames_lcd_image,
                                                                                 {0, 0}, lit_dial_value<Id>);

template <InstrumentId Id>
constinit IconElement AltimeterFace<Id>::deviation_border = lcd_icon<Id, place_deviation_border>(
    bitmap_deviation_border, frames_lcd_image, at(deviation_border_place), deviation_border_value<Id>);

template <InstrumentId Id>
constinit IconElement AltimeterFace<Id>::selected_digits[selected_digit_count] = {
    digit_icon<Id, place_selected_digits, 0>(bitmap_medium_digits, selected_digit_places, selected_digit_value<Id, 0>),
    digit_icon<Id, place_selected_digits, 1>(bitmap_medium_digits, selected_digit_places, selected_digit_value<Id, 1>),
    digit_icon<Id, place_selected_digits, 2>(bitmap_medium_digits, selected_digit_places, selected_digit_value<Id, 2>),
    digit_icon<Id, place_selected_digits, 3>(bitmap_medium_digits, selected_digit_places, selected_digit_value<Id, 3>),
    digit_icon<Id, place_selected_digits, 4>(bitmap_medium_digits, selected_digit_places, selected_digit_value<Id, 4>),
};

template <InstrumentId Id>
constinit IconElement AltimeterFace<Id>::altitude_digits[altitude_digit_count] = {
    // clang-format off
    digit_icon<Id, place_altitude_digits, 0>(bitmap_medium_digits, altitude_digit_places, altitude_digit_value<Id, 0>),
    digit_icon<Id, place_altitude_digits, 1>(bitmap_medium_digits, altitude_digit_places, altitude_digit_value<Id, 1>),
    digit_icon<Id, place_altitude_digits, 2>(bitmap_medium_digits, altitude_digit_places, altitude_digit_value<Id, 2>),
    digit_icon<Id, place_altitude_digits, 3>(bitmap_large_digits,  altitude_digit_places, altitude_digit_value<Id, 3>),
    digit_icon<Id, place_altitude_digits, 4>(bitmap_large_digits,  altitude_digit_places, altitude_digit_value<Id, 4>),
    // clang-format on
};

template <InstrumentId Id>
constinit IconElement AltimeterFace<Id>::pressure_digits[pressure_digit_count] = {
    digit_icon<Id, place_pressure_digits, 0>(bitmap_small_digits, pressure_digit_places, pressure_digit_value<Id, 0>),
    digit_icon<Id, place_pressure_digits, 1>(bitmap_small_digits, pressure_digit_places, pressure_digit_value<Id, 1>),
    digit_icon<Id, place_pressure_digits, 2>(bitmap_small_digits, pressure_digit_places, pressure_digit_value<Id, 2>),
    digit_icon<Id, place_pressure_digits, 3>(bitmap_small_digits, pressure_digit_places, pressure_digit_value<Id, 3>),
};

template <InstrumentId Id>
constinit NeedleElement AltimeterFace<Id>::needle = needle_record(element_header(element_needle, bitmap_needle,
                                                                                 at(dial_centre), needle_flags,
                                                                                 owner<Id>, next_list<Id, place_needle>,
                                                                                 needle_pivot),
                                                                  needle_angle_value<Id>);

template <InstrumentId Id>
constinit ElementHeader* const AltimeterFace<Id>::element_list[2] = {&AltimeterFace<Id>::unlit_face.header, nullptr};

template struct AltimeterFace<InstrumentId::zor_1>;
template struct AltimeterFace<InstrumentId::zor_2>;

void reset_altimeter_faces_for_tests()
{
    AltimeterFace<InstrumentId::zor_1>::needle.header.image_flags = needle_flags;
    AltimeterFace<InstrumentId::zor_2>::needle.header.image_flags = needle_flags;
}
