// The film's sound: the module's tone buffer played from each `play` to the
// `stop` after it, looping, as 16-bit stereo at 44.1 kHz, one stretch of
// samples per frame of the run. Counted in frames, the track stays in step
// with the pictures whatever the system's own sound clock did.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "host/panel/platform.h"

inline constexpr int film_sound_rate = 44100;
inline constexpr int film_sound_channels = 2;

class FilmSoundTrack {
public:
    explicit FilmSoundTrack(double frames_per_second) : frames_per_second_(frames_per_second) {}

    // The samples of one frame, after its sound calls; the tone buffer is
    // read when a `play` finds none read yet.
    std::vector<std::int16_t> frame(const std::vector<std::string>& sound_calls, HostPlatform& platform);

private:
    void take_tone(const ToneBuffer& buffer);

    double frames_per_second_;
    double samples_due_ = 0.0; // the run's sample count at the frame's end
    long samples_written_ = 0;
    std::vector<std::int16_t> tone_; // 44.1 kHz stereo
    bool tone_read_ = false;
    bool playing_ = false;
    std::size_t position_ = 0; // in the tone, in sample frames
};
