#include "layout/altimeter_face.h"

#include "instrument/display_callbacks.h"
#include "layout/bitmap_ids.h"
#include "layout/element_records.h"
#include "layout/gauge_headers.h"

namespace {

constexpr std::uint32_t unlit_face_flags = image_transparent | image_erase;
constexpr std::uint32_t lcd_icon_flags   = image_transparent | image_erase | image_bright;
constexpr std::uint32_t needle_flags     = image_transparent | image_erase | image_bilinear | image_flag_4000;
constexpr PixelPoint needle_pivot        = {0, 3};

template <InstrumentId Id>
constexpr const GaugeHeader* owner = Id == InstrumentId::zor_1 ? &zor_1_gauge_header : &zor_2_gauge_header;

// The element at a position of the chain, counted from 1 at the root.
template <InstrumentId Id>
constexpr ElementHeader* chain_element(int position)
{
    using Face = AltimeterFace<Id>;
    if (position == 1)  return &Face::unlit_face.header;
    if (position == 2)  return &Face::lit_dial.header;
    if (position == 3)  return &Face::deviation_border.header;
    if (position <= 8)  return &Face::selected_digits[position - 4].header;
    if (position <= 13) return &Face::altitude_digits[position - 9].header;
    if (position <= 17) return &Face::pressure_digits[position - 14].header;
    return nullptr;
}

template <InstrumentId Id, int Position>
ElementHeader* const next_list[2] = {
    Position < 17 ? chain_element<Id>(Position + 1) : &AltimeterFace<Id>::needle.header,
    nullptr,
};

template <InstrumentId Id>
ElementHeader* const empty_list[1] = {nullptr};

template <InstrumentId Id, int Position>
constexpr IconElement lcd_icon(std::uint32_t bitmap, std::uint32_t frames, PixelPoint position, ValueCallback value)
{
    return icon_record(element_header(element_icon, bitmap, position, lcd_icon_flags, owner<Id>, next_list<Id, Position>),
                frames, value);
}

} // namespace

template <InstrumentId Id>
constinit StaticImageElement AltimeterFace<Id>::unlit_face =
    static_image_record(element_header(element_static_image, bitmap_unlit_face, {0, 0}, unlit_face_flags, owner<Id>, next_list<Id, 1>));

template <InstrumentId Id>
constinit IconElement AltimeterFace<Id>::lit_dial =
    lcd_icon<Id, 2>(bitmap_lit_dial, frames_lcd_image, {0, 0}, lit_dial_value<Id>);

template <InstrumentId Id>
constinit IconElement AltimeterFace<Id>::deviation_border =
    lcd_icon<Id, 3>(bitmap_deviation_border, frames_lcd_image, {109, 100}, deviation_border_value<Id>);

template <InstrumentId Id>
constinit IconElement AltimeterFace<Id>::selected_digits[selected_digit_count] = {
    lcd_icon<Id, 4>(bitmap_medium_digits, frames_digit_strip, {216, 109}, selected_digit_value<Id, 0>),
    lcd_icon<Id, 5>(bitmap_medium_digits, frames_digit_strip, {192, 109}, selected_digit_value<Id, 1>),
    lcd_icon<Id, 6>(bitmap_medium_digits, frames_digit_strip, {168, 109}, selected_digit_value<Id, 2>),
    lcd_icon<Id, 7>(bitmap_medium_digits, frames_digit_strip, {144, 109}, selected_digit_value<Id, 3>),
    lcd_icon<Id, 8>(bitmap_medium_digits, frames_digit_strip, {120, 109}, selected_digit_value<Id, 4>),
};

template <InstrumentId Id>
constinit IconElement AltimeterFace<Id>::altitude_digits[altitude_digit_count] = {
    lcd_icon<Id, 9>(bitmap_medium_digits, frames_digit_strip, {222, 176}, altitude_digit_value<Id, 0>),
    lcd_icon<Id, 10>(bitmap_medium_digits, frames_digit_strip, {198, 176}, altitude_digit_value<Id, 1>),
    lcd_icon<Id, 11>(bitmap_medium_digits, frames_digit_strip, {174, 176}, altitude_digit_value<Id, 2>),
    lcd_icon<Id, 12>(bitmap_large_digits, frames_digit_strip, {144, 170}, altitude_digit_value<Id, 3>),
    lcd_icon<Id, 13>(bitmap_large_digits, frames_digit_strip, {114, 170}, altitude_digit_value<Id, 4>),
};

template <InstrumentId Id>
constinit IconElement AltimeterFace<Id>::pressure_digits[pressure_digit_count] = {
    lcd_icon<Id, 14>(bitmap_small_digits, frames_digit_strip, {196, 240}, pressure_digit_value<Id, 0>),
    lcd_icon<Id, 15>(bitmap_small_digits, frames_digit_strip, {177, 240}, pressure_digit_value<Id, 1>),
    lcd_icon<Id, 16>(bitmap_small_digits, frames_digit_strip, {158, 240}, pressure_digit_value<Id, 2>),
    lcd_icon<Id, 17>(bitmap_small_digits, frames_digit_strip, {139, 240}, pressure_digit_value<Id, 3>),
};

template <InstrumentId Id>
constinit NeedleElement AltimeterFace<Id>::needle =
    needle_record(element_header(element_needle, bitmap_needle, {180, 179}, needle_flags, owner<Id>, empty_list<Id>, needle_pivot),
           needle_angle_value<Id>);

template <InstrumentId Id>
constinit ElementHeader* const AltimeterFace<Id>::element_list[2] = {&AltimeterFace<Id>::unlit_face.header, nullptr};

template struct AltimeterFace<InstrumentId::zor_1>;
template struct AltimeterFace<InstrumentId::zor_2>;
