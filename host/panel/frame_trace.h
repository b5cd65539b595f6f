// One JSON line per frame: the host variables, every element's value and
// bitmap, the needles' hidden flags, the clicks, the key events and the
// sound calls of that frame (host/panel/frame_trace_format.h names them).
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
