// The alert tone player: one DirectSound device bound to the host's main
// window and one secondary buffer holding the whole tone, played in a loop
// while the altitude alert asks for it.
//
// Sound is an optional extra. The first platform call that fails closes
// `sound_gate` for the rest of the process: the player gives back what it
// holds, and from then on every operation but create_sound_device does
// nothing and returns 0. Nothing is reported; the gauges keep working.
//
// All operations run on the host's thread and work on the module's single
// player. Results are 1 for success and 0 otherwise unless stated.
#pragma once

#include <cstdint>

#include "sound/sound_platform.h"

// Makes the device, bound to `window` (null is passed on as it is). An earlier
// device and its buffer are given back first. Does not look at the gate.
std::int32_t create_sound_device(HostWindow window);

// Loads the wave file at `path` (null: there is no path) into a new buffer,
// stopped at position 0. Returns the sample size in bytes, or 0.
std::uint32_t load_tone(const char* path);

// Buffer operations; each does nothing without a buffer.
std::int32_t set_tone_volume(std::int32_t hundredths_db); // 0: no attenuation
std::int32_t play_tone_looping();
std::int32_t stop_tone();
std::int32_t rewind_tone(std::uint32_t position); // play position in bytes
std::int32_t is_tone_playing();                   // 1 while playing

// Gives back the buffer, playing or not; nothing once the gate is closed.
void release_tone();

// Gives back the device, after its buffer if one is still held. Not gated:
// it only returns objects.
void release_sound_device();

enum class AlertToneState {
    not_set_up, // no buffer, gate open
    ready,      // the buffer holds the tone, gate open
    off,        // gate closed for good
};
AlertToneState alert_tone_state();

// Gives back whatever the player holds and opens the gate again, as if the
// module had just been loaded. For tests only: the module never reopens it.
void reset_alert_tone_player_for_tests();
