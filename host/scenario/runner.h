// Runs a scenario against a panel: places gauges, moves the host variables,
// clicks, runs frames, takes pictures and checks expectations. Every line
// is checked before the first frame, and a line it cannot run stops the
// run there. A failed expectation is reported with its line and what was
// seen; the run goes on so that one run shows every failure.
#pragma once

#include <functional>
#include <map>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "host/panel/film_writer.h"
#include "host/raster/contact_sheet.h"
#include "host/panel/frame_loop.h"
#include "host/panel/gauge_panel.h"
#include "host/scenario/panel_opening.h"
#include "host/scenario/script.h"

struct ScenarioOptions {
    // clang-format off
    std::string   output_folder = ".";  // where relative picture names go
    // How `panel` lines load the modules a panel file names; none, and
    // such lines cannot run.
    ModuleLibrary* modules = nullptr;
    std::string   simulator_folder{};   // for `panel` lines; found from the file when empty
    // Called after every frame and before every picture the run takes, to
    // look at the panel as the run sees it.
    std::function<void(GaugePanel&)> watch;
    // The run brings a panel back to where a session had it: at full speed
    // whatever `realtime` and `pause` say, no pictures, and the panel left
    // open to go on from there.
    bool restoring = false;
    // clang-format on
};

struct ScenarioResult {
    int failures = 0;          // failed expectations
    bool script_error = false; // a line the runner cannot run
    bool refused = false;      // such a line found before the first frame
    long frames = 0;
    std::vector<double> frame_costs_us; // module work of each frame
};

class ScenarioRunner {
public:
    // The run takes its frames from `loop`, and sets its pace; the panel
    // stays open at the end, for whoever runs the loop on.
    ScenarioRunner(FrameLoop& loop, ScenarioOptions options, std::ostream& report);
    ScenarioResult run(const ScenarioScript& script);
    // Only the reading before the first frame: every line checked and the
    // gauges placed, no frame run and nothing of the module called, so a
    // panel that has not connected the module can check a scenario for one
    // that is flying.
    ScenarioResult check(const ScenarioScript& script);

private:
    using Words = std::vector<std::string>;
    using Command = void (ScenarioRunner::*)(const Words&);
    struct CommandRow {
        const char* word;
        int min_args;
        bool opens_panel;
        Command run;
        const char* usage;
    };
    static const CommandRow commands[];

    void place(const Words&);
    void panel(const Words&);
    void fps(const Words&);
    void ticks_per_second(const Words&);
    void realtime(const Words&);
    void set(const Words&);
    void ramp(const Words&);
    void pause(const Words&);
    void frames(const Words&);
    void click(const Words&);
    void press(const Words&);
    using PanelMouse = void (GaugePanel::*)(std::size_t gauge, PixelPoint point, MouseButton button);
    void mouse(const Words&, PanelMouse call);
    void release(const Words&);
    void hold(const Words&);
    void snapshot(const Words&);
    void moment(const Words&);
    void sheet(const Words&);
    void expect(const Words&);
    void film(const Words&); // film_command.cpp
    void end_film();

    // Expectations, one per kind of thing seen (expectations.cpp).
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

    void run_lines(const ScenarioScript& script);
    // While the scenario is checked, commands read their words and stop
    // there; so they do after a script error.
    bool only_checking() const { return checking_ || result_.script_error; }
    void run_frames(long count, const std::function<void(long)>& before_each);
    void watch();
    void fail(const std::string& expected, const std::string& seen);
    void script_error(const std::string& message);
    std::size_t gauge_index(const std::string& label);
    PixelPoint point(const Words& words, std::size_t at);
    MouseButton button(const Words& words, std::size_t at);
    std::uint32_t token(const std::string& word);
    double number(const std::string& word);
    double number_from(const std::string& word, double lowest, double highest, const std::string& what);
    int pixels(const std::string& word, int lowest, int highest, const std::string& what);
    long frame_count(const std::string& word);
    std::string output_path(const std::string& name) const;

    FrameLoop& loop_;
    GaugePanel& panel_;
    HostPlatform& platform_;
    ScenarioOptions options_;
    std::ostream& report_;
    ScenarioResult result_;
    std::string where_;         // "file:line" of the line running
    std::string script_folder_; // where the scenario's panel files are named from
    bool line_failed_ = false;
    bool checking_ = false;
    bool placements_over_ = false; // a line that opens the panel was checked

    std::vector<std::string> last_sound_requests_; // of the last frame
    std::vector<std::string> sound_log_;           // every sound call of the run
    std::vector<SheetMoment> moments_;
    std::unique_ptr<FilmWriter> film_; // subscribed to the loop while it films
    bool stopped_ = false;             // the run was ended by its clock's watcher
};
