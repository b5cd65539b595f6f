// The gauges' life as the simulator's panel drives it: query, install and
// initialise each placed gauge, tell it the panel window exists, run it
// frame by frame (the tick moves on, held buttons repeat, then update,
// generate and draw), and kill it at the end. Each step calls the header
// routine and then the step's service codes, gauge by gauge in placement
// order.
#pragma once

#include <cstdint>

#include "host/panel/frame_pace.h"
#include "host/panel/gauge_placement.h"
#include "host/panel/panel_input.h"
#include "host/panel/variables.h"

class GaugeLife {
public:
    GaugeLife(const GaugePlacement& placement, PanelInput& input, HostVariables& variables)
        : placement_(placement), input_(input), variables_(variables)
    {
    }

    // Query, install and initialise every gauge, then tell each that the
    // panel window exists.
    void open();
    bool is_open() const { return open_; }
    // One frame: the tick moves on, held buttons repeat, then update,
    // generate and draw calls for every gauge in placement order.
    void run_frame();
    void close();
    long frame_number() const { return frame_; }

    // The tick moves on by the pace's ticks a frame.
    void set_pace(FramePace pace);
    double frames_per_second() const { return pace_.frames_per_second; }
    double ticks_per_second() const { return pace_.ticks_per_second; }

    // Each step of the gauges' life sends two service codes, as the
    // simulator does; without the second, a run shows that the first alone
    // does the module's work.
    void send_second_codes(bool send) { second_codes_ = send; }

    // Back before the first frame, the tick at nought, for gauges placed
    // anew; those of before must have been closed.
    void start_over();

private:
    void each_gauge(std::int32_t first_code, void (*routine)(GaugeHeader&, HostWord));

    const GaugePlacement& placement_;
    PanelInput& input_;
    HostVariables& variables_;
    FramePace pace_;
    double ticks_per_frame_ = default_ticks_per_second / default_frames_per_second;
    double tick_ = 0.0;
    long frame_ = 0;
    bool open_ = false;
    bool second_codes_ = true;
};
