// One JSON line per frame: the host variables, every element's value, the
// needles' hidden flags, the key events and the sound calls of that frame.
#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "host/panel/frame_loop.h"

// The line of one frame, its values read from the panel as the frame left it.
void write_frame_trace(std::ostream& out, GaugePanel& panel, const FrameResult& frame);

// Every frame of the loop it watches, one line each.
class FrameTraceWriter : public FrameObserver {
public:
    explicit FrameTraceWriter(std::ostream& out) : out_(out) {}
    void frame_ran(FrameLoop& loop, const FrameResult& frame) override { write_frame_trace(out_, loop.panel(), frame); }

private:
    std::ostream& out_;
};
