# The faults scripts/plant-faults.sh plants, one a line: an id, the file
# (FILE@N: the Nth line holding the text), the text, what it becomes, and
# what the fault does. Sourced.
fault_ids=() fault_files=() fault_from=() fault_to=() fault_what=()
equivalent_what=() equivalent_why=()
fault() {
    fault_ids+=("$1") fault_files+=("$2") fault_from+=("$3") fault_to+=("$4") fault_what+=("$5")
}
equivalent() { equivalent_what+=("$1") equivalent_why+=("$2"); }

# Rounding and digits.
fault R1 instrument/display_digits.cpp '- static_cast<double>(n) > step / 2.0' '- static_cast<double>(n) >= step / 2.0' 'rounding: half a step rounds up'
fault R2 instrument/display_digits.cpp 'if (selected - r > step / 2)' 'if (selected - r >= step / 2)' 'rounding: selected half step rounds up'
fault R3 instrument/display_digits.cpp '        n = -n;' '        n = n;' 'rounding: magnitude of a negative altitude dropped'
fault D1 instrument/display_digits.cpp '} else if (n >= 1000 && n < 10000) {' '} else if (n > 1000 && n < 10000) {' 'digits: 1000 splits as a four-digit number'
fault D2 instrument/display_digits.cpp 'if (n >= 0 && n < 10) {' 'if (n >= 0 && n <= 10) {' 'digits: 10 shows as one digit'
fault D3 instrument/display_digits.cpp 'if (r < 100) {' 'if (r <= 100) {' 'digits: selected 100 blanks its hundreds'
fault D4 instrument/display_digits.cpp@3 '        digits[3] = digit_blank;' '        digits[3] = 0;' 'digits: pressure below 1000 shows a leading zero'
fault D5 instrument/display_digits.cpp 'digits[1] = static_cast<DigitCode>((b % 100 - b % 10) / 10);' 'digits[1] = static_cast<DigitCode>((b % 100 - b % 10) / 100);' 'digits: pressure tens divided by a hundred'
# Power.
fault P1 instrument/instrument_update.cpp '== 1 && host_snapshot.bus_powered == 1' '== 1 || host_snapshot.bus_powered == 1' 'power: breaker or bus instead of both'
fault P2 instrument/host_snapshot.cpp 's.bus_volts > bus_powered_above_volts' 's.bus_volts >= bus_powered_above_volts' 'power: exactly 20 V powers the bus'
fault P3 instrument/instrument_update.cpp '    s.dimmed = 0;' '' 'power: dimming kept through a power loss'
fault P4 instrument/instrument_update.cpp 'BreakerId::azs_zor_1 : BreakerId::azs_zor_2' 'BreakerId::azs_zor_2 : BreakerId::azs_zor_1' 'power: each altimeter on the other breaker'
# Alert bands and blink.
fault A1 instrument/altitude_alert.cpp 'if (d >= approach_band_m || d <= -approach_band_m) {' 'if (d > approach_band_m || d < -approach_band_m) {' 'alert: border blinks, not steady, at exactly 150'
fault A2 instrument/altitude_alert.cpp 'if (d > approach_band_m || d < -approach_band_m)' 'if (d >= approach_band_m || d <= -approach_band_m)' 'alert: arms outside at exactly 150'
fault A3 instrument/altitude_alert.cpp@1 'if (s.selected_altitude_m <= alert_active_above_m) {' 'if (s.selected_altitude_m < alert_active_above_m) {' 'alert: border active at a selected 295'
fault A4 instrument/altitude_alert.cpp '    if (d > -capture_band_m && d < capture_band_m)' '    if (d >= -capture_band_m && d <= capture_band_m)' 'alert: arms inside at exactly 60'
fault A5 instrument/altitude_alert.cpp@1 '        t.inside_band_armed = 0;' '' 'alert: inside arming kept when the alert goes inactive'
fault A6 instrument/altitude_alert.h 'tone_frames_on_capturing = 17' 'tone_frames_on_capturing = 18' 'alert: capture tone one frame long'
fault A7 instrument/altitude_alert.cpp '    if (tick == s.last_tick)' '    if (tick == -1)' 'blink: advances every frame, not every tick'
fault A8 instrument/altitude_alert.cpp 's.blink_counter > blink_hidden_until ? 1 : 0' 's.blink_counter >= blink_hidden_until ? 1 : 0' 'blink: shown one tick early'
fault A9 instrument/altitude_alert.cpp '        s.blink_counter = 0;' '' 'blink: counter never wraps'
fault A10 instrument/altitude_alert.cpp '        rewind_tone(0);' '' 'tone: not rewound when quiet'
fault A11 instrument/altitude_alert.cpp 's.selected_change_timer != 0 ? 1 : 0' 's.selected_change_timer > 1 ? 1 : 0' 'alert: settled digits hide a frame early'
# Knobs and their acceleration.
fault K1 instrument/instrument_update.cpp 'if (s.knob_hold_frames > knob_fast_after_frames) {' 'if (s.knob_hold_frames >= knob_fast_after_frames) {' 'knob: fast step a frame early'
fault K2 instrument/instrument_update.cpp 'knob_fast_step         = 5;' 'knob_fast_step         = 10;' 'knob: fast step of ten'
fault K3 instrument/controls.cpp ' : selected_step_metres_m) * s.knob_step;' ' : selected_step_metres_m);' 'knob: selected altitude never steps fast'
fault K4 instrument/controls.cpp 's.baro_setting_mb > forward_setting_above_mb' 's.baro_setting_mb >= forward_setting_above_mb' 'knob: 948 mb forwarded to the simulator'
fault K5 instrument/controls.cpp@2 '        restart_hold_timer(s);' '' 'knob: selected knob does not hold'
fault K6 instrument/controls.cpp '        s.selected_change_timer = selected_change_timer_frames;' '' 'knob: selected digits not shown on a click'
fault K7 instrument/instrument_limits.h 'baro_setting_floor_mb = 700;' 'baro_setting_floor_mb = 701;' 'knob: pressure floor of 701'
fault K8 instrument/instrument_update.cpp '        s.knob_hold_frames = 0;' '' 'knob: hold count not reset on release'
# Units and dimming.
fault U1 instrument/display_callbacks.cpp 's.units_feet + 2 * s.dimmed' '2 * s.units_feet + s.dimmed' 'units: image banks of units and dimming swapped'
fault U2 instrument/instrument_update.cpp 'h.units_of_measure == host_units_metric' 'h.units_of_measure != host_units_metric' 'units: host metres taken for feet'
fault U3 instrument/controls.cpp 's.dimmed = toggled(s.dimmed)' 's.dimmed = toggled(s.units_feet)' 'dimming: toggled from the units flag'
fault U4 instrument/instrument_update.cpp 'metres_per_mb           = 9.00074;' 'metres_per_mb           = 9.0074;' 'units: metres per millibar mistyped'
# The needle.
fault N1 instrument/needle.cpp 'position < needle_chain_position' 'position <= needle_chain_position' 'needle: the walk goes one element too far'
fault N2 instrument/instrument_update.cpp '!(s.powered == 1 && s.altitude_non_negative == 1)' '!(s.powered == 1)' 'needle: shown below zero'
fault N3 instrument/display_callbacks.cpp 'needle_zero_offset_deg   = 90.0;' 'needle_zero_offset_deg   = 0.0;' 'needle: zero points right'
# The tooltip.
fault T1 layout/altimeter_mouse.cpp '.value = pressure_tooltip_value<Id>' '.value = pressure_tooltip_value<InstrumentId::zor_1>' 'tooltip: both show the first setting'
# The breakers.
fault B1 breakers/breaker_callbacks.h 'closed = closed == 0 ? 1 : 0;' 'closed = 1;' 'breaker: never opens again'
fault B2 breakers/breaker_callbacks.h 'breaker_frame_closed = 2.0;' 'breaker_frame_closed = 1.0;' 'breaker: closed shows the end-on frame'
# The wave reader.
fault W1 sound/wave_file.cpp 'stated_extra_bytes(format) <= static_cast<std::size_t>(held)' 'stated_extra_bytes(format) < static_cast<std::size_t>(held)' 'wave: a format exactly holding its extra bytes refused'
fault W2 sound/wave_file.cpp 'rate >= buffer_frequency_min' 'rate > buffer_frequency_min' 'wave: the lowest rate refused'
fault W3 sound/wave_file.cpp 'std::memset(bytes + held, 0, chunk.size - held);' 'std::memset(bytes, 0, chunk.size - held);' 'wave: silence written over the start, not the cut end'
fault W4 sound/wave_file.cpp 'field_16(format, at + 2) << 16' 'field_16(format, at + 2) << 8' 'wave: high half of a 32-bit field shifted by 8'
fault W5 sound/wave_file.cpp 'chunk.size > buffer_bytes_max' 'chunk.size >= buffer_bytes_max' 'wave: the largest buffer size refused'
# The tone gate and the sound path.
fault G1 sound/alert_tone_player.cpp '    player.sound_gate = 0;' '' 'gate: not closed on a failure'
fault G2 sound/alert_tone_player.cpp 'samples.bytes + copied, samples.size - copied' 'samples.bytes, samples.size - copied' 'tone: second locked region filled from the start'
fault G3 sound/alert_tone_player.cpp ' && platform.set_current_position(buffer, 0) == 0;' ';' 'tone: buffer not rewound after filling'
fault S1 sound/sound_path.cpp 'if (length >= max_path_bytes - used)' 'if (length > max_path_bytes - used)' 'path: no room for the terminating zero'
fault S2 sound/executable_path.cpp 'length >= sizeof path' 'length > sizeof path' 'path: a cut-off executable path taken'
# The window class.
fault C1 sound/host_window.cpp '{.position = 0, .character' '{.position = 1, .character' 'window class: second character read for C'
fault C2 sound/host_window.cpp 'fallback_window_class = classic_host_window_class' 'fallback_window_class = later_host_window_class' 'window class: wrong fallback'
# The service codes.
fault V1 layout/gauge_callbacks.cpp 'case service_install:' 'case service_install_2:' 'codes: tone installed on the second install code'
fault V2 layout/gauge_callbacks.cpp 'case service_kill:' 'case service_kill_2:' 'codes: tone released on the second kill code'
fault V3 layout/gauge_callbacks.cpp 'case service_initialize:' 'case service_initialize_2:' 'codes: volume set on the second initialize code'
fault V4 layout/gauge_callbacks.cpp 'if (service_code == service_update)' 'if (service_code == service_update_2)' 'codes: ZOR_2 updated on the second update code'
fault V5 layout/gauge_callbacks.cpp 'case service_panel_open: send_pressure_setting(instrument_state(InstrumentId::zor_1)); break;' 'case service_panel_open: break;' 'codes: setting not sent on panel open'
# Rules symmetric in sign, countdowns triggered again while they run, and
# the number of digits shown at each power of ten.
fault M1 instrument/altitude_alert.cpp '|| d < -capture_band_m) && t.inside_band_armed' '|| -d < -capture_band_m) && t.inside_band_armed' 'mirror: leaving the capture band downward starts no tone'
fault M2 instrument/altitude_alert.cpp 'if (d > -approach_band_m && d < approach_band_m && t.outside_band_armed' 'if (d > -approach_band_m && -d < approach_band_m && t.outside_band_armed' 'mirror: a capture from above sounds before the band'
fault M3 instrument/altitude_alert.cpp '&& t.inside_band_armed == 1) {' '&& t.inside_band_armed == 1 && countdown == 0) {' 'countdown: leaving while a tone sounds does not start it again'
fault M4 instrument/altitude_alert.cpp '&& t.outside_band_armed == 1) {' '&& t.outside_band_armed == 1 && countdown == 0) {' 'countdown: a capture while a tone sounds waits for its end'
fault M5 instrument/controls.cpp '        s.selected_change_timer = selected_change_timer_frames;' '        s.selected_change_timer = s.selected_change_timer > 0 ? s.selected_change_timer : selected_change_timer_frames;' 'countdown: a second click does not restart the selected digits timeout'
fault M6 instrument/controls.cpp '    s.knob_hold_timer = knob_hold_timer_frames;' '    s.knob_hold_timer = s.knob_hold_timer > 0 ? s.knob_hold_timer : knob_hold_timer_frames;' 'countdown: a second click does not restart the knob hold timer'
fault M7 instrument/display_digits.cpp '} else if (n >= 100 && n < 1000) {' '} else if (n > 100 && n < 1000) {' 'digits: altitude 100 shows as two digits'
fault M8 instrument/display_digits.cpp '} else if (n >= 10 && n < 100) {' '} else if (n >= 10 && n <= 100) {' 'digits: altitude 100 keeps the two-digit sign place'
fault M9 instrument/display_digits.cpp '} else if (r < 10000) {' '} else if (r <= 10000) {' 'digits: selected 10000 blanks its ten-thousands'

equivalent 'needle: a full turn folded with >= instead of > (360 becomes 0)' \
    'an angle of 360 and one of 0 draw the same needle'
equivalent 'knob: selected floor clamped with <= instead of <' \
    'clamping a value of exactly the floor to the floor changes nothing'
equivalent 'gate: buffer calls without the gate check (player.buffer == nullptr alone)' \
    'a closed gate always leaves the buffer null, so the null check alone refuses the call'
equivalent 'gate: the tone released only while the gate is closed (== 0 for == 1)' \
    'the kill code that releases the tone releases the device next, which gives the buffer back first all the same'
equivalent 'window class: rule position compared with <= the name length' \
    'the character at the name length is its terminating zero, never 2 or C'
