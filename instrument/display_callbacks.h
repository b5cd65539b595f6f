// What each altimeter element shows, asked by the host whenever it draws:
// an icon's frame (or -1 for nothing), the needle's angle, the tooltip's
// number. Read-only; each callback is bound to its instrument and, for a
// digit, to its index at compile time, so the host's argument is not needed.
#pragma once

#include "abi/host_formats.h"
#include "instrument/instrument_state.h"

#include <cstdint>

inline constexpr double draw_nothing = -1.0;

double lit_dial_frame(const InstrumentState& s);
double deviation_border_frame(const InstrumentState& s);
double digit_frame(const InstrumentState& s, DigitCode code);
double selected_digit_frame(const InstrumentState& s, int index);
double needle_angle(std::int32_t altitude_display_value);

template <InstrumentId Id>
double HOSTCALL lit_dial_value(HostWord)
{
    return lit_dial_frame(instrument_state(Id));
}

template <InstrumentId Id>
double HOSTCALL deviation_border_value(HostWord)
{
    return deviation_border_frame(instrument_state(Id));
}

template <InstrumentId Id, int Index>
double HOSTCALL selected_digit_value(HostWord)
{
    static_assert(Index >= 0 && Index < selected_digit_count);
    return selected_digit_frame(instrument_state(Id), Index);
}

template <InstrumentId Id, int Index>
double HOSTCALL altitude_digit_value(HostWord)
{
    static_assert(Index >= 0 && Index < altitude_digit_count);
    const InstrumentState& s = instrument_state(Id);
    return digit_frame(s, s.altitude_digits[Index]);
}

template <InstrumentId Id, int Index>
double HOSTCALL pressure_digit_value(HostWord)
{
    static_assert(Index >= 0 && Index < pressure_digit_count);
    const InstrumentState& s = instrument_state(Id);
    return digit_frame(s, s.pressure_digits[Index]);
}

template <InstrumentId Id>
double HOSTCALL needle_angle_value(HostWord)
{
    return needle_angle(instrument_state(Id).altitude_display_value);
}

template <InstrumentId Id>
double HOSTCALL pressure_tooltip_value(HostWord, HostWord, HostWord, HostWord, HostWord, HostWord)
{
    return static_cast<double>(instrument_state(Id).baro_setting_mb);
}
