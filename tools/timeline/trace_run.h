// A trace read back whole: every frame line that is JSON, in file order,
// and the first line that was not as it should be. A line that cannot be
// read is left out; a frame that lacks something others have keeps what it
// has, so whatever can be drawn is.
#pragma once

#include <cmath>
#include <istream>
#include <optional>
#include <string>
#include <utility>
#include <vector>

struct TraceGauge {
    std::string label;
    std::vector<std::optional<double>> elements; // nullopt: no value
    std::vector<std::optional<double>> bitmaps;
};

struct TraceFrame {
    int line = 0; // in the file, from 1
    double frame = 0.0;
    double seconds = NAN;                             // NaN: the line has none
    std::vector<std::pair<std::string, double>> vars; // NaN for a null value
    std::vector<TraceGauge> gauges;
    std::vector<std::string> clicks; // each as the line wrote it
    std::vector<std::string> keys;
    std::vector<std::string> sound;
};

struct TraceRun {
    std::vector<TraceFrame> frames;
    std::string first_problem; // "NAME:LINE: what", empty when none
    int bad_lines = 0;
};

TraceRun read_trace(std::istream& in, const std::string& name);
