// Runs a scenario against a panel: places gauges, moves the host variables,
// clicks, runs frames, takes pictures and checks expectations. A failed
// expectation is reported with its line and what was seen; the run goes on
// so that one run shows every failure.
#pragma once

#include <chrono>
#include <functional>
#include <map>
#include <ostream>
#include <string>
#include <vector>

#include "host/raster/contact_sheet.h"
#include "host/panel/frame_trace.h"
#include "host/panel/gauge_panel.h"
#include "host/scenario/script.h"

// A run shown live as it flies: it waits for each frame's time in its own
// way (a window keeps answering its messages meanwhile) and sees each
// frame once it has run.
class LiveFrames {
public:
    virtual ~LiveFrames() = default;
    virtual std::chrono::steady_clock::time_point now() = 0;
    virtual void wait_until(std::chrono::steady_clock::time_point due) = 0;
    // False stops the run: the person watching has had enough.
    virtual bool frame_ran(const FrameEvents& events) = 0;
};

struct ScenarioOptions {
    std::ostream* trace = nullptr;      // JSON lines, one per frame
    std::string   output_folder = ".";  // where relative picture names go
    // Frames follow the clock from the first line on, whatever `realtime`
    // says, and the panel stays open at the end for the bench to carry on.
    LiveFrames*   live = nullptr;
    // Called after every frame and before every picture the run takes, to
    // look at the panel as the run sees it.
    std::function<void(GaugePanel&)> watch;
    // The run brings a panel back to where a session had it: at full speed
    // whatever `realtime` and `pause` say, no pictures, and the panel left
    // open to go on from there.
    bool restoring = false;
};

struct ScenarioResult {
    int failures = 0;                   // failed expectations
    bool script_error = false;          // a line the runner cannot run
    long frames = 0;
    std::vector<double> frame_costs_us; // module work of each frame
};

class ScenarioRunner {
public:
    ScenarioRunner(GaugePanel& panel, HostPlatform& platform, ScenarioOptions options, std::ostream& report);
    ScenarioResult run(const ScenarioScript& script);

    // The pace the scenario set last, which the bench keeps after it.
    double frames_per_second() const { return fps_; }
    double ticks_per_second() const { return ticks_per_second_; }

private:
    using Words = std::vector<std::string>;
    using Command = void (ScenarioRunner::*)(const Words&);
    struct CommandRow {
        const char* word;
        int min_args;
        Command run;
        const char* usage;
    };
    static const CommandRow commands[];

    void place(const Words&);
    void fps(const Words&);
    void ticks_per_second(const Words&);
    void realtime(const Words&);
    void set(const Words&);
    void ramp(const Words&);
    void pause(const Words&);
    void frames(const Words&);
    void click(const Words&);
    void press(const Words&);
    void release(const Words&);
    void hold(const Words&);
    void snapshot(const Words&);
    void moment(const Words&);
    void sheet(const Words&);
    void expect(const Words&);

    // Expectations, one per kind of thing seen (scenario_expectations.cpp).
    void expect_frame(const Words&);
    void expect_angle(const Words&);
    void expect_hidden(const Words&);
    void expect_key(const Words&);
    void expect_key_count(const Words&);
    void expect_tooltip(const Words&);
    void expect_cursor(const Words&);
    void expect_pixel(const Words&);
    void expect_variable(const Words&);
    void expect_window(const Words&);
    void expect_sound(const Words&);

    void run_frames(long count, const std::function<void(long)>& before_each);
    std::chrono::steady_clock::time_point clock_now() const;
    void watch();
    void fail(const std::string& expected, const std::string& seen);
    void script_error(const std::string& message);
    std::size_t gauge_index(const std::string& label);
    PixelPoint point(const Words& words, std::size_t at);
    MouseButton button(const Words& words, std::size_t at);
    std::uint32_t token(const std::string& word);
    double number(const std::string& word);
    std::string output_path(const std::string& name) const;

    GaugePanel& panel_;
    HostPlatform& platform_;
    ScenarioOptions options_;
    std::ostream& report_;
    ScenarioResult result_;
    std::string where_;                 // "file:line" of the line running
    bool line_failed_ = false;

    double fps_ = 18.0;
    double ticks_per_second_ = 18.0;
    bool realtime_ = false;
    std::chrono::steady_clock::time_point realtime_start_{};
    long realtime_frames_ = 0;
    std::size_t keys_seen_ = 0;
    FrameEvents last_frame_;
    std::vector<std::string> sound_log_;   // every sound call of the run
    std::vector<SheetMoment> moments_;
    bool stopped_ = false;              // the live run was ended by its watcher
};
