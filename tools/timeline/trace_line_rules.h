// What a trace line must be, field by field, as the trace format names it
// (host/panel/frame_trace_format.h): a frame number that is whole and in
// range, numbers where numbers go, each field once, no field the format
// does not name. The order of frames is the reader's to judge.
#pragma once

#include <string>

#include "tools/timeline/json_value.h"

// The highest frame number the host writes: a frame counter of 32 bits.
inline constexpr double highest_trace_frame = 2147483647.0;

// Why the line is not a frame record; empty when it is one.
std::string trace_line_problem(const JsonValue& line);
