#include "instrument/display_callbacks.h"

namespace {

// Bank offset for the four-frame images (lit dial, deviation border).
std::int32_t image_bank(const InstrumentState& s)
{
    return s.units_feet + 2 * s.dimmed;
}

// clang-format off
constexpr double degrees_per_display_unit = 0.36;   // one turn per 1000
constexpr double needle_zero_offset_deg   = 90.0;   // the image points right
constexpr double full_turn_deg            = 360.0;
// clang-format on

} // namespace

double lit_dial_frame(const InstrumentState& s)
{
    if (s.powered == 0)
        return draw_nothing;
    return image_bank(s);
}

double deviation_border_frame(const InstrumentState& s)
{
    if (s.powered == 0 || s.deviation_border_frame == -1)
        return draw_nothing;
    return s.deviation_border_frame + image_bank(s);
}

double digit_frame(const InstrumentState& s, DigitCode code)
{
    if (s.powered == 0 || code == digit_blank)
        return draw_nothing;
    return code + frames_per_digit_bank * image_bank(s);
}

double selected_digit_frame(const InstrumentState& s, int index)
{
    if (s.selected_digits_visible == 0)
        return draw_nothing;
    return digit_frame(s, s.selected_digits[index]);
}

// Only one turn is folded away each way; an angle beyond a turn shows the
// same needle position.
double needle_angle(std::int32_t altitude_display_value)
{
    double a = altitude_display_value * degrees_per_display_unit - needle_zero_offset_deg;
    if (a > full_turn_deg)
        a -= full_turn_deg;
    if (a < 0.0)
        a += full_turn_deg;
    return a;
}
