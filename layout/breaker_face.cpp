#include "layout/breaker_face.h"

#include "breakers/breaker_callbacks.h"
#include "layout/bitmap_ids.h"
#include "layout/element_records.h"
#include "layout/face_geometry.h"
#include "layout/gauge_headers.h"
#include "layout/mouse_records.h"

namespace {

constexpr FaceBox whole_breaker = {0, 0, breaker_face_size.width, breaker_face_size.height};

// No bright flag: the breaker darkens with the panel lighting.
constexpr std::uint32_t breaker_image_flags = image_transparent | image_erase;

template <BreakerId Id>
constexpr const GaugeHeader* owner = Id == BreakerId::azs_zor_1 ? &azs_zor_1_gauge_header : &azs_zor_2_gauge_header;

template <BreakerId Id>
ElementHeader* const after_disc[2] = {&BreakerFace<Id>::lever.header, nullptr};

template <BreakerId Id>
ElementHeader* const after_lever[1] = {nullptr};

} // namespace

template <BreakerId Id>
constinit StaticImageElement BreakerFace<Id>::disc = static_image_record(
    element_header(element_static_image, bitmap_breaker_disc, {0, 0}, breaker_image_flags, owner<Id>, after_disc<Id>));

template <BreakerId Id>
constinit IconElement BreakerFace<Id>::lever = icon_record(element_header(element_icon, bitmap_breaker_switch, {0, 0},
                                                                          breaker_image_flags, owner<Id>,
                                                                          after_lever<Id>),
                                                           frames_breaker, breaker_position_value<Id>);

template <BreakerId Id>
constinit ElementHeader* const BreakerFace<Id>::element_list[2] = {&BreakerFace<Id>::disc.header, nullptr};

template <BreakerId Id>
constinit const MouseRect BreakerFace<Id>::areas[breaker_mouse_area_count] = {
    region_open(whole_gauge),
    click_area(whole_breaker, cursor_hand, mouse_left_single, breaker_toggle_click<Id>),
    region_close(),
    list_end(),
};

template struct BreakerFace<BreakerId::azs_zor_1>;
template struct BreakerFace<BreakerId::azs_zor_2>;
