#include "instrument/instrument_update.h"

#include "abi/panel_services.h"
#include "abi/service_numbers.h"
#include "breakers/breaker_state.h"
#include "instrument/altitude_alert.h"
#include "instrument/display_digits.h"
#include "instrument/host_numbers.h"
#include "instrument/host_snapshot.h"
#include "instrument/instrument_limits.h"
#include "instrument/needle.h"

namespace {

// clang-format off
// Conversion factors as the instrument applies them; they differ by use.
constexpr double feet_per_metre_raw      = 3.2808;
constexpr double feet_per_metre_selected = 3.280839895013123;
constexpr double metres_per_foot         = 0.3048;
// Altitude change per millibar of pressure setting.
constexpr double feet_per_mb             = 29.529627792000003;
constexpr double metres_per_mb           = 9.00074;
// clang-format on

// clang-format off
// Frames of continuous knob activity after which the knob steps by five.
constexpr std::int32_t knob_fast_after_frames = 90;
constexpr std::int8_t  knob_fast_step         = 5;
constexpr std::int8_t  knob_normal_step       = 1;
// clang-format on

void run_knob_timers(InstrumentState& s)
{
    if (s.knob_hold_timer > 0)
        --s.knob_hold_timer;
    if (s.selected_change_timer > 0)
        --s.selected_change_timer;
    if (s.knob_hold_timer > 0) {
        ++s.knob_hold_frames;
        if (s.knob_hold_frames > knob_fast_after_frames) {
            s.knob_hold_frames = knob_fast_after_frames + 1;
            s.knob_step = knob_fast_step;
        }
    } else {
        s.knob_hold_frames = 0;
        s.knob_step = knob_normal_step;
    }
}

BreakerId breaker_of(InstrumentId id)
{
    return id == InstrumentId::zor_1 ? BreakerId::azs_zor_1 : BreakerId::azs_zor_2;
}

// Without power the instrument forgets the crew's settings every frame.
void decide_power(InstrumentState& s, InstrumentId id)
{
    if (breaker_flag(breaker_of(id)) == 1 && host_snapshot.bus_powered == 1) {
        s.powered = 1;
        return;
    }
    s.powered = 0;
    s.selected_altitude_m = 0.0;
    s.units_feet = 0;
    s.dimmed = 0;
    s.baro_setting_mb = default_baro_setting_mb;
}

// The altitude in display units, corrected for the instrument's own setting.
double corrected_altitude(InstrumentState& s)
{
    const HostSnapshot& h = host_snapshot;
    const double setting_offset_mb = s.baro_setting_mb - h.host_baro_mb;
    const bool host_metric = h.units_of_measure == host_units_metric;
    if (s.units_feet == 1) {
        const double raw_ft = host_metric ? h.altitude_raw * feet_per_metre_raw : h.altitude_raw;
        const double altitude_ft = raw_ft + setting_offset_mb * feet_per_mb;
        s.altitude_m = altitude_ft * metres_per_foot;
        return altitude_ft;
    }
    const double raw_m = host_metric ? h.altitude_raw : h.altitude_raw * metres_per_foot;
    const double altitude_m = raw_m + setting_offset_mb * metres_per_mb;
    s.altitude_m = altitude_m;
    return altitude_m;
}

void compute_altitude_window(InstrumentState& s, double altitude)
{
    const std::int32_t step = s.units_feet == 1 ? altitude_step_ft : altitude_step_m;
    const bool negative = altitude < 0.0;
    s.altitude_display_value = round_altitude_magnitude(altitude, step);
    s.altitude_non_negative = negative ? 0 : 1;
    altitude_window_digits(s.altitude_display_value, negative, s.altitude_digits);
}

void compute_selected_window(InstrumentState& s)
{
    s.selected_altitude_ft = s.selected_altitude_m * feet_per_metre_selected;
    s.selected_display_value = s.units_feet == 1 ? round_selected_altitude(s.selected_altitude_ft, selected_step_ft)
                                                 : round_selected_altitude(s.selected_altitude_m, selected_step_m);
    selected_window_digits(s.selected_display_value, s.selected_digits);
}

} // namespace

void update_instrument(InstrumentId id, GaugeHeader* gauge)
{
    InstrumentState& s = instrument_state(id);
    const bool zor_1 = id == InstrumentId::zor_1;

    if (zor_1)
        refresh_host_snapshot();
    run_knob_timers(s);
    decide_power(s, id);
    compute_altitude_window(s, corrected_altitude(s));
    pressure_window_digits(s.baro_setting_mb, s.pressure_digits);
    compute_selected_window(s);
    run_altitude_alert(s, zor_1 ? &zor_1_alert_tone : nullptr, host_snapshot.tick);
    set_needle_hidden(gauge, !(s.powered == 1 && s.altitude_non_negative == 1));
}

void send_pressure_setting(const InstrumentState& state)
{
    send_key_event(key_event_kohlsman_set, static_cast<std::uint32_t>(state.baro_setting_mb) * kohlsman_units_per_mb);
}
