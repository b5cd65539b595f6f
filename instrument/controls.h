// The crew's controls on an altimeter face: brightness switch, units button,
// and the two halves of the pressure and selected-altitude knobs. Each mouse
// callback is bound to its instrument at compile time; the host's click
// point is not needed.
#pragma once

#include "abi/host_formats.h"
#include "instrument/instrument_state.h"

#include <cstdint>

enum class KnobDirection : int { decrease = -1, increase = 1 };

void toggle_brightness(InstrumentState& s);
void toggle_units(InstrumentState& s);
// ZOR_1 also forwards the new setting to the simulator.
void click_pressure_knob(InstrumentId id, KnobDirection direction, std::uint32_t event_mask);
void click_selected_knob(InstrumentState& s, KnobDirection direction, std::uint32_t event_mask);

template <InstrumentId Id>
std::int32_t HOSTCALL brightness_switch_click(const PixelPoint*, std::uint32_t)
{
    toggle_brightness(instrument_state(Id));
    return 1;
}

template <InstrumentId Id>
std::int32_t HOSTCALL units_switch_click(const PixelPoint*, std::uint32_t)
{
    toggle_units(instrument_state(Id));
    return 1;
}

template <InstrumentId Id>
std::int32_t HOSTCALL pressure_knob_decrease_click(const PixelPoint*, std::uint32_t event_mask)
{
    click_pressure_knob(Id, KnobDirection::decrease, event_mask);
    return 1;
}

template <InstrumentId Id>
std::int32_t HOSTCALL pressure_knob_increase_click(const PixelPoint*, std::uint32_t event_mask)
{
    click_pressure_knob(Id, KnobDirection::increase, event_mask);
    return 1;
}

template <InstrumentId Id>
std::int32_t HOSTCALL selected_knob_decrease_click(const PixelPoint*, std::uint32_t event_mask)
{
    click_selected_knob(instrument_state(Id), KnobDirection::decrease, event_mask);
    return 1;
}

template <InstrumentId Id>
std::int32_t HOSTCALL selected_knob_increase_click(const PixelPoint*, std::uint32_t event_mask)
{
    click_selected_knob(instrument_state(Id), KnobDirection::increase, event_mask);
    return 1;
}
