// One JSON line per frame: the host variables, every element's value and
// bitmap, the needles' hidden flags, the clicks, the key events and the
// sound calls of that frame (host/panel/frame_trace_format.h names them).
#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "host/panel/gauge_panel.h"

struct FrameEvents {
    double                    seconds = 0.0;    // the run's time at the frame
    std::vector<SentClick>    clicks;           // sent before and during the frame
    std::vector<SentKeyEvent> key_events;
    std::vector<std::string>  sound_requests;
};

void write_frame_trace(std::ostream& out, GaugePanel& panel, const FrameEvents& events);
