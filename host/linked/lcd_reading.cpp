#include "host/linked/lcd_reading.h"

#include <span>

#include "instrument/instrument_state.h"

namespace {

// Digits are stored ones first; blanks are left out, a minus reads as one.
std::string digits_text(std::span<const DigitCode> digits)
{
    std::string text;
    for (auto digit = digits.rbegin(); digit != digits.rend(); ++digit) {
        if (*digit == digit_minus)
            text += '-';
        else if (*digit == digit_three_bars)
            text += "---";
        else if (*digit >= 0 && *digit <= 9)
            text += static_cast<char>('0' + *digit);
    }
    return text.empty() ? "blank" : text;
}

std::string instrument_text(const char* name, const InstrumentState& s)
{
    std::string text = std::string(name) + ": ";
    if (!s.powered)
        return text + "off";
    const char* unit = s.units_feet ? " ft" : " m";
    text += "altitude " + digits_text(s.altitude_digits) + unit;
    if (s.selected_digits_visible)
        text += ", selected " + digits_text(s.selected_digits) + unit;
    text += ", pressure " + digits_text(s.pressure_digits);
    if (s.dimmed)
        text += ", dimmed";
    return text;
}

} // namespace

std::string lcd_reading()
{
    return instrument_text("ZOR_1", instrument_state(InstrumentId::zor_1)) + "; " +
           instrument_text("ZOR_2", instrument_state(InstrumentId::zor_2)) + "; alert " +
           (zor_1_alert_tone.alert_tone_frames > 0 ? "tone sounding" : "quiet");
}
