// How fast frames run and the tick variable counts, for the loop that
// paces frames and the panel that moves the tick on.
#pragma once

// The simulator's own pace, for a run that sets none: its panel runs 18
// frames a second and its tick variable counts one a frame.
inline constexpr double default_frames_per_second = 18.0;
inline constexpr double default_ticks_per_second = default_frames_per_second;

struct FramePace {
    double frames_per_second = default_frames_per_second;
    double ticks_per_second = default_ticks_per_second; // how fast the tick variable counts
};
