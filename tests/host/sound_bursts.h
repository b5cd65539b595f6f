// Where a recording sounds: its level over short windows, and the bursts of
// sound in it, runs of loud windows merged across short drop-outs (Wine's
// recording loses stretches even while a tone plays).
#pragma once

#include <cstddef>
#include <vector>

#include "recorded_wave.h"

struct WindowLevel {
    double rms_dbfs; // -inf for digital silence
    int peak;        // largest sample magnitude
};

struct BurstRules {
    double window_seconds = 0.02;
    double loud_dbfs = -40.0;       // a window above this sounds
    double merge_gap_seconds = 0.3; // silences shorter than this lie inside a burst
};

struct Burst {
    std::size_t first_window;
    std::size_t end_window; // one past the last loud window
};

struct Stretch {
    double seconds;
    double rms_dbfs;
    int peak;
};

std::vector<WindowLevel> window_levels(const RecordedWave& wave, double window_seconds);
std::vector<Burst> find_bursts(const std::vector<WindowLevel>& levels, const BurstRules& rules);
// The windows [first, end) together; with only_loud, just those above the
// rules' loud level (a burst's level without its drop-outs).
Stretch stretch_level(const std::vector<WindowLevel>& levels, std::size_t first, std::size_t end,
                      const BurstRules& rules, bool only_loud);
