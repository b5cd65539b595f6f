// The climb through the capture band flown in real time by the panel host
// with the real module under Wine, judged by ALSA's recording of it: the
// alert tone sounds twice, at the capture and on leaving the band, and the
// recording is silent before, between and after. The recording keeps only
// part of the time played and may drop out inside a tone, so the tones are
// counted as bursts of sound separated by long silences.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "recorded_wave.h"
#include "sound_bursts.h"
#include "tests/support/recording_files.h"

namespace {

// The tone as the module plays it, after Wine's mixing.
constexpr double quietest_tone_dbfs = -25.0;
constexpr double loudest_tone_dbfs = -10.0;
// Silence is digital silence, or the next thing to it.
constexpr int silent_peak = 16;
// Seconds of the flight before the first tone, between and after the two,
// shrink in the recording, but stay far longer than this.
constexpr double shortest_silence_seconds = 0.5;
// Windows at each edge of a burst hold part of the tone's start or end.
constexpr std::size_t edge_windows = 2;

void report(const char* what, const Stretch& stretch)
{
    std::printf("[recording] %-16s %6.2f s, rms %7.1f dBFS, peak %5d\n", what, stretch.seconds, stretch.rms_dbfs,
                stretch.peak);
    ::testing::Test::RecordProperty(std::string(what) + " rms dBFS", std::to_string(stretch.rms_dbfs));
}

void expect_silent(const char* what, const Stretch& stretch)
{
    report(what, stretch);
    EXPECT_GE(stretch.seconds, shortest_silence_seconds) << what;
    EXPECT_LE(stretch.peak, silent_peak) << what;
}

TEST(RecordedFlight, TheAlertToneSoundsAtTheCaptureAndOnLeavingAndNowhereElse)
{
    const char* path = std::getenv("ZOR_FLIGHT_RECORDING");
    ASSERT_NE(path, nullptr) << "ZOR_FLIGHT_RECORDING names no recording";
    const std::optional<RecordedWave> wave = read_recorded_wave(wine_path(path));
    ASSERT_TRUE(wave) << "no 16-bit wave recording at " << path;

    const BurstRules rules;
    const std::vector<WindowLevel> levels = window_levels(*wave, rules.window_seconds);
    const std::vector<Burst> bursts = find_bursts(levels, rules);
    std::printf("[recording] %.2f s recorded at %u Hz, %u channels; %zu bursts\n",
                static_cast<double>(wave->frames()) / wave->frames_per_second, wave->frames_per_second, wave->channels,
                bursts.size());
    for (std::size_t i = 0; i < bursts.size(); ++i) {
        const Stretch tone = stretch_level(levels, bursts[i].first_window, bursts[i].end_window, rules, true);
        const std::string what = "tone " + std::to_string(i + 1);
        std::printf("[recording] %-16s from %6.2f s\n", what.c_str(),
                    static_cast<double>(bursts[i].first_window) * rules.window_seconds);
        report(what.c_str(), tone);
        EXPECT_GE(tone.rms_dbfs, quietest_tone_dbfs) << what;
        EXPECT_LE(tone.rms_dbfs, loudest_tone_dbfs) << what;
    }
    ASSERT_EQ(bursts.size(), 2u) << "the tone should sound at the capture and on leaving the band";

    const auto before_edge = [](std::size_t window) { return window > edge_windows ? window - edge_windows : 0; };
    expect_silent("before", stretch_level(levels, 0, before_edge(bursts[0].first_window), rules, false));
    expect_silent(
        "between",
        stretch_level(levels, bursts[0].end_window + edge_windows, before_edge(bursts[1].first_window), rules, false));
    expect_silent("after", stretch_level(levels, bursts[1].end_window + edge_windows, levels.size(), rules, false));
}

} // namespace
