// Draws a trace's timeline with Cairo: lanes named on the left, frames
// across, a note of the trace's first bad line under the title.
#pragma once

#include <string>

#include "tools/timeline/timeline_lanes.h"

struct TimelinePicture {
    std::string title;
    std::string problem; // drawn in red under the title when not empty
};

// Writes the PNG as the host writes its files (host/base/output_file.h);
// false, with the file and the reason in `error` when asked, when it cannot.
bool draw_timeline(const TimelineLanes& lanes, const TimelinePicture& picture, const std::string& png_path,
                   std::string* error = nullptr);
