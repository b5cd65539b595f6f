#include "tools/tone/chime.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

struct Partial {
    double frequency_ratio;
    double amplitude;
    double decay_seconds;
};

// A small bell: the fundamental and two quieter overtones that fade sooner.
constexpr Partial bell_partials[] = {
    {.frequency_ratio = 1.0, .amplitude = 1.00, .decay_seconds = 0.120},
    {.frequency_ratio = 2.0, .amplitude = 0.30, .decay_seconds = 0.060},
    {.frequency_ratio = 3.0, .amplitude = 0.12, .decay_seconds = 0.035},
};

// High E, then the C a major third below: "ding-dong".
constexpr double note_frequencies_hz[] = {1318.51, 1046.50};
constexpr double attack_seconds = 0.008;
constexpr double release_seconds = 0.030;
// Peak level about 6 dB below full scale, leaving room for the partials.
constexpr double peak_amplitude = 0.5 * 32767.0 / (1.00 + 0.30 + 0.12);

// Rises from 0 to 1 with zero slope at both ends.
double smooth_step(double x)
{
    x = std::clamp(x, 0.0, 1.0);
    return 0.5 - 0.5 * std::cos(std::numbers::pi * x);
}

double bell(double frequency_hz, double t)
{
    double value = 0.0;
    for (const Partial& partial : bell_partials)
        value += partial.amplitude * std::exp(-t / partial.decay_seconds) *
            std::sin(2.0 * std::numbers::pi * frequency_hz * partial.frequency_ratio * t);
    return value;
}

double note_envelope(double t, double note_seconds)
{
    return smooth_step(t / attack_seconds) * smooth_step((note_seconds - t) / release_seconds);
}

} // namespace

std::vector<std::int16_t> chime_loop()
{
    constexpr std::size_t notes = std::size(note_frequencies_hz);
    std::vector<std::int16_t> samples;
    samples.reserve(chime_loop_frames);
    for (std::size_t note = 0; note < notes; ++note) {
        // The notes share the loop evenly, to the sample.
        const std::size_t note_frames = (note + 1) * chime_loop_frames / notes - note * chime_loop_frames / notes;
        const double note_seconds = static_cast<double>(note_frames) / chime_samples_per_second;
        for (std::size_t i = 0; i < note_frames; ++i) {
            const double t = static_cast<double>(i) / chime_samples_per_second;
            const double value = peak_amplitude * note_envelope(t, note_seconds) * bell(note_frequencies_hz[note], t);
            samples.push_back(static_cast<std::int16_t>(std::lround(value)));
        }
    }
    return samples;
}

std::vector<std::int16_t> looped_chime(std::size_t frames, int channels)
{
    const std::vector<std::int16_t> loop = chime_loop();
    std::vector<std::int16_t> samples;
    samples.reserve(frames * channels);
    for (std::size_t frame = 0; frame < frames; ++frame)
        samples.insert(samples.end(), channels, loop[frame % loop.size()]);
    return samples;
}
