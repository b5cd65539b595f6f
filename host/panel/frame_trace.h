// One JSON line per frame: the host variables, every element's value, the
// needles' hidden flags, the key events and the sound calls of that frame.
#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "host/panel/gauge_panel.h"

struct FrameEvents {
    std::vector<SentKeyEvent> key_events;
    std::vector<std::string>  sound_requests;
};

void write_frame_trace(std::ostream& out, GaugePanel& panel, const FrameEvents& events);
