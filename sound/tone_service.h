// The tone's part in the first altimeter's gauge callback: what it runs at
// install, initialise and kill.
#pragma once

// Where the tone file lies below the host's folder; it begins with a
// backslash, as the sound path expects (sound/sound_path.h).
inline constexpr const char* alert_tone_relative_path = "\\gauges\\zor_sound.wav";

// Install: finds the host window, makes the device on it, builds the path of
// the tone file below the host's folder, loads the tone and gives the path
// text back.
void tone_service_install();

// Initialise: the tone plays at full volume.
void tone_service_initialize();

// Kill: gives back the buffer, then the device.
void tone_service_kill();
