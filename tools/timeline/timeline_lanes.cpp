#include "tools/timeline/timeline_lanes.h"

#include <algorithm>
#include <cmath>

#include "host/panel/frame_trace_format.h"

namespace {

template <typename Row>
Row& row_named(std::vector<Row>& rows, auto matches, auto make)
{
    const auto found = std::find_if(rows.begin(), rows.end(), matches);
    if (found != rows.end())
        return *found;
    rows.push_back(make());
    return rows.back();
}

void add_variables(TimelineLanes& lanes, const TraceFrame& frame, std::size_t column, std::size_t columns)
{
    for (const auto& var : frame.vars) {
        const std::string& name = var.first;
        VariableLane& lane = row_named(
            lanes.variables, [&](const VariableLane& l) { return l.name == name; },
            [&] {
                VariableLane fresh;
                fresh.name = name;
                fresh.values.assign(columns, NAN);
                return fresh;
            });
        lane.values[column] = var.second;
    }
}

void add_elements(std::vector<ElementLane>& all, const TraceFrame& frame, std::size_t column, std::size_t columns)
{
    for (const TraceGauge& gauge : frame.gauges)
        for (std::size_t i = 0; i < gauge.elements.size(); ++i) {
            const int place = static_cast<int>(i) + 1;
            ElementLane& lane = row_named(
                all, [&](const ElementLane& l) { return l.gauge == gauge.label && l.place == place; },
                [&] {
                    ElementLane fresh;
                    fresh.gauge = gauge.label;
                    fresh.place = place;
                    fresh.values.resize(columns);
                    return fresh;
                });
            lane.values[column] = gauge.elements[i];
            if (!lane.bitmap && i < gauge.bitmaps.size())
                lane.bitmap = gauge.bitmaps[i];
        }
}

bool ever_changes(const ElementLane& lane)
{
    return std::adjacent_find(lane.values.begin(), lane.values.end(), std::not_equal_to<>()) != lane.values.end();
}

void finish_variable(VariableLane& lane)
{
    bool any = false;
    for (double v : lane.values)
        if (std::isfinite(v)) {
            lane.lowest = any ? std::min(lane.lowest, v) : v;
            lane.highest = any ? std::max(lane.highest, v) : v;
            any = true;
        }
}

void add_tone(TimelineLanes& lanes, const TraceFrame& frame, std::size_t column, bool& playing)
{
    for (const std::string& call : frame.sound) {
        if (call == trace_sound_call::play && !playing) {
            lanes.tone.push_back({.first_column = column, .end_column = lanes.frames.size()});
            playing = true;
        } else if (call == trace_sound_call::stop && playing) {
            lanes.tone.back().end_column = column;
            playing = false;
        }
    }
}

} // namespace

TimelineLanes timeline_lanes(const TraceRun& run)
{
    TimelineLanes lanes;
    const std::size_t columns = run.frames.size();
    std::vector<ElementLane> all_elements;
    bool playing = false;
    for (const TraceFrame& frame : run.frames) {
        lanes.frames.push_back(frame.frame);
        lanes.seconds.push_back(frame.seconds);
        lanes.marks.push_back({.clicks = frame.clicks, .keys = frame.keys});
    }
    for (std::size_t column = 0; column < columns; ++column) {
        add_variables(lanes, run.frames[column], column, columns);
        add_elements(all_elements, run.frames[column], column, columns);
        add_tone(lanes, run.frames[column], column, playing);
    }
    for (VariableLane& lane : lanes.variables)
        finish_variable(lane);
    for (ElementLane& lane : all_elements) {
        if (!ever_changes(lane))
            continue;
        for (const std::optional<double>& v : lane.values)
            if (v && *v != std::floor(*v))
                lane.whole_numbers = false;
        lanes.elements.push_back(std::move(lane));
    }
    return lanes;
}

bool draws_something(const ElementLane& lane, std::size_t column)
{
    const std::optional<double>& v = lane.values[column];
    return v && std::isfinite(*v) && (!lane.whole_numbers || *v >= 0.0);
}
