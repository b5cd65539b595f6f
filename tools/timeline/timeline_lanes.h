// What a timeline shows, taken from a trace without knowing what any of it
// means: one lane per host variable, one per element whose value ever
// changed, the clicks and key events sent at each frame, and the stretches
// where the tone sounds, from a `play` call to the `stop` after it. Columns
// are the trace's frame lines in order.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "tools/timeline/trace_run.h"

struct VariableLane {
    std::string name;
    std::vector<double> values;         // a column each; NaN where a frame lacks it
    double lowest = 0.0, highest = 0.0; // over the values there are
};

struct ElementLane {
    std::string gauge;
    int place = 0;                             // in the gauge's drawing order, from 1
    std::optional<double> bitmap;              // the first bitmap it shows
    std::vector<std::optional<double>> values; // a column each; nullopt draws nothing
    bool whole_numbers = true;                 // frames, not angles
};

struct ColumnMarks {
    std::vector<std::string> clicks;
    std::vector<std::string> keys;
};

struct ToneStretch {
    std::size_t first_column = 0; // the column of the `play`
    std::size_t end_column = 0;   // the column of the `stop`, or past the end
};

struct TimelineLanes {
    std::vector<double> frames;  // the frame number of each column
    std::vector<double> seconds; // the run's time at each column, NaN unknown
    std::vector<VariableLane> variables;
    std::vector<ElementLane> elements;
    std::vector<ColumnMarks> marks; // a column each
    std::vector<ToneStretch> tone;
};

TimelineLanes timeline_lanes(const TraceRun& run);

// An element's value as it draws: a frame at or above 0, an angle, or
// nothing for a negative frame or a missing value.
bool draws_something(const ElementLane& lane, std::size_t column);
