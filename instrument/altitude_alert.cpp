#include "instrument/altitude_alert.h"

#include "sound/alert_tone_player.h"

namespace {

void show_border_and_digits(InstrumentState& s, double d)
{
    if (s.selected_altitude_m <= alert_active_above_m) {
        s.deviation_border_frame = -1;
        s.selected_digits_visible = 1;
    } else if (d > -capture_band_m && d < capture_band_m) {
        // Settled: the selected digits show only while the knob was just turned.
        s.deviation_border_frame = -1;
        s.selected_digits_visible = s.selected_change_timer != 0 ? 1 : 0;
    } else if (d >= approach_band_m || d <= -approach_band_m) {
        s.deviation_border_frame = 0;
        s.selected_digits_visible = 1;
    } else {
        s.deviation_border_frame = static_cast<std::int8_t>(s.blink_phase - 1);
        s.selected_digits_visible = 1;
    }
}

void count_tone_down(const InstrumentState& s, AlertArming& t, double d)
{
    if (s.selected_altitude_m <= alert_active_above_m) {
        t.alert_tone_frames = 0;
        t.inside_band_armed = 0;
        t.outside_band_armed = 0;
        return;
    }
    std::int32_t countdown = t.alert_tone_frames;
    if (d > -capture_band_m && d < capture_band_m)
        t.inside_band_armed = 1;
    if (d > approach_band_m || d < -approach_band_m)
        t.outside_band_armed = 1;
    if ((d > capture_band_m || d < -capture_band_m) && t.inside_band_armed == 1) {
        t.inside_band_armed = 0;
        countdown = tone_frames_on_leaving;
    }
    if (d > -approach_band_m && d < approach_band_m && t.outside_band_armed == 1) {
        t.outside_band_armed = 0;
        t.alert_tone_frames = tone_frames_on_capturing;
    } else if (countdown > 0) {
        t.alert_tone_frames = countdown - 1;
    }
}

void blink(InstrumentState& s, std::int32_t tick)
{
    if (tick == s.last_tick)
        return;
    ++s.blink_counter;
    if (s.blink_counter > blink_cycle_last) {
        s.blink_counter = 0;
        s.blink_phase = 0;
    } else {
        s.blink_phase = s.blink_counter > blink_hidden_until ? 1 : 0;
    }
}

// The request is repeated every frame, whatever state the tone is in.
void request_tone(const AlertArming& t)
{
    is_tone_playing();
    if (t.alert_tone_frames > 0) {
        play_tone_looping();
    } else {
        stop_tone();
        rewind_tone(0);
    }
}

} // namespace

void run_altitude_alert(InstrumentState& s, AlertArming* tone, std::int32_t tick)
{
    const double d = s.altitude_m - s.selected_altitude_m;
    show_border_and_digits(s, d);
    if (tone != nullptr)
        count_tone_down(s, *tone, d);
    blink(s, tick);
    if (tone != nullptr)
        request_tone(*tone);
    s.last_tick = tick;
}
