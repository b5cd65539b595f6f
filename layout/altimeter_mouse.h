// The mouse areas of an altimeter face, with the pressure-setting tooltip.
#pragma once

#include "abi/host_formats.h"
#include "instrument/instrument_state.h"

inline constexpr int altimeter_mouse_area_count = 12;

// Shows the pressure setting as a whole number, right-aligned in four places.
inline constexpr char pressure_tooltip_text[] = "%1!4d!";

template <InstrumentId Id>
struct AltimeterMouse {
    static const TooltipArgument pressure_tooltip_args[2]; // one argument, then the end record
    static const MouseRect areas[altimeter_mouse_area_count];
};

extern template struct AltimeterMouse<InstrumentId::zor_1>;
extern template struct AltimeterMouse<InstrumentId::zor_2>;
