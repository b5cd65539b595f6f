#include "layout/altimeter_mouse.h"

#include "instrument/controls.h"
#include "instrument/display_callbacks.h"
#include "layout/mouse_records.h"

namespace {

// Left or right click, repeated while the button is held.
constexpr std::uint32_t knob_events = mouse_left_single | mouse_right_single | mouse_repeat;
constexpr std::uint32_t switch_events = mouse_left_single;

} // namespace

template <InstrumentId Id>
constinit const TooltipArgument AltimeterMouse<Id>::pressure_tooltip_args[2] = {
    {.source = nullptr, .scale = 1.0, .lookup_table = nullptr, .value = pressure_tooltip_value<Id>, .reserved = {}},
    {.source = nullptr, .scale = 0.0, .lookup_table = nullptr, .value = nullptr, .reserved = {}},
};

template <InstrumentId Id>
constinit const MouseRect AltimeterMouse<Id>::areas[altimeter_mouse_area_count] = {
    // clang-format off
    region_open(whole_gauge),
    click_area(brightness_switch_box,      cursor_hand,       switch_events, brightness_switch_click<Id>),
    click_area(units_button_box,           cursor_hand,       switch_events, units_switch_click<Id>),
    region_open(pressure_tooltip_region),
    tooltip(pressure_tooltip_text, pressure_tooltip_args),
    region_close(),
    click_area(pressure_knob_decrease_box, cursor_down_arrow, knob_events,   pressure_knob_decrease_click<Id>),
    click_area(pressure_knob_increase_box, cursor_up_arrow,   knob_events,   pressure_knob_increase_click<Id>),
    click_area(selected_knob_decrease_box, cursor_down_arrow, knob_events,   selected_knob_decrease_click<Id>),
    click_area(selected_knob_increase_box, cursor_up_arrow,   knob_events,   selected_knob_increase_click<Id>),
    region_close(),
    list_end(),
    // clang-format on
};

template struct AltimeterMouse<InstrumentId::zor_1>;
template struct AltimeterMouse<InstrumentId::zor_2>;
