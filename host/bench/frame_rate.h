// The frame rate the bench holds: the times frames were shown, and the
// median interval between them, which one slow frame does not move.
#pragma once

#include <string>
#include <vector>

class FrameRate {
public:
    // A frame shown, and how long its work took (running it and drawing).
    void frame_shown(double now_seconds, double work_seconds);
    long frames() const { return static_cast<long>(times_.size()); }
    // Over the whole run, or over the last `recent` intervals; 0 without two frames.
    double median_interval_seconds() const;
    double recent_frames_per_second(std::size_t recent) const;
    // "frames: 1080 in 60.1 s, median interval 55.6 ms (18.0 fps), median work 9.1 ms"
    std::string summary() const;

private:
    std::vector<double> times_;
    std::vector<double> work_;
};
