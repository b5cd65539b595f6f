#include "instrument/controls.h"

#include "instrument/instrument_limits.h"
#include "instrument/instrument_update.h"

namespace {

bool left_click(std::uint32_t event_mask)
{
    return (event_mask & mouse_left_single) != 0;
}
bool right_click(std::uint32_t event_mask)
{
    return (event_mask & mouse_right_single) != 0;
}

std::int32_t toggled(std::int32_t flag)
{
    return flag == 0 ? 1 : 0;
}

// Every left click on a knob, also at a limit, keeps the knob "held".
void restart_hold_timer(InstrumentState& s)
{
    s.knob_hold_timer = knob_hold_timer_frames;
}

} // namespace

void toggle_brightness(InstrumentState& s)
{
    s.dimmed = toggled(s.dimmed);
}
void toggle_units(InstrumentState& s)
{
    s.units_feet = toggled(s.units_feet);
}

void click_pressure_knob(InstrumentId id, KnobDirection direction, std::uint32_t event_mask)
{
    InstrumentState& s = instrument_state(id);
    const bool forwards = id == InstrumentId::zor_1;
    if (left_click(event_mask)) {
        restart_hold_timer(s);
        s.baro_setting_mb += static_cast<int>(direction) * s.knob_step;
        if (direction == KnobDirection::decrease && s.baro_setting_mb < baro_setting_floor_mb)
            s.baro_setting_mb = baro_setting_floor_mb;
        if (direction == KnobDirection::increase && s.baro_setting_mb > baro_setting_ceiling_mb)
            s.baro_setting_mb = baro_setting_ceiling_mb;
        if (forwards && s.baro_setting_mb > forward_setting_above_mb && s.baro_setting_mb < forward_setting_below_mb)
            send_pressure_setting(s);
    }
    if (right_click(event_mask)) {
        s.baro_setting_mb = default_baro_setting_mb;
        if (forwards)
            send_pressure_setting(s);
    }
}

void click_selected_knob(InstrumentState& s, KnobDirection direction, std::uint32_t event_mask)
{
    if (left_click(event_mask)) {
        restart_hold_timer(s);
        s.selected_change_timer = selected_change_timer_frames;
        const bool feet = s.units_feet == 1;
        const bool metres = s.units_feet == 0;
        if (feet || metres) {
            const double step = (feet ? selected_step_feet_m : selected_step_metres_m) * s.knob_step;
            const double ceiling = feet ? selected_ceiling_feet_m : selected_ceiling_metres_m;
            if (direction == KnobDirection::decrease) {
                s.selected_altitude_m -= step;
                if (s.selected_altitude_m < selected_floor_m)
                    s.selected_altitude_m = selected_floor_m;
            } else {
                s.selected_altitude_m += step;
                if (s.selected_altitude_m > ceiling)
                    s.selected_altitude_m = ceiling;
            }
        }
    }
    if (right_click(event_mask))
        s.selected_altitude_m = selected_floor_m;
}
