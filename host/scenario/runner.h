// Runs a scenario's commands against a panel: places gauges, moves the host
// variables, clicks, runs frames, takes pictures and checks expectations.
// The text was checked when it was read; what it names of the panel (its
// gauges, their elements, the files it writes) is checked before the first
// frame, and a command it cannot run stops the run there. Every
// expectation is reported with its line and what was seen, held or not;
// the run goes on so that one run shows every failure.
#pragma once

#include <functional>
#include <map>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "host/base/median.h"
#include "host/panel/film_writer.h"
#include "host/raster/contact_sheet.h"
#include "host/panel/frame_loop.h"
#include "host/panel/gauge_panel.h"
#include "host/panelfile/panel_opening.h"
#include "host/scenario/reporter.h"
#include "host/scenario/text_reporter.h"
#include "host/script/command.h"
#include "host/script/executor.h"

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
    // Applies the commands that tell the panel something; the run makes
    // its own on its loop when none is given (one already starting the
    // loop's frames must be given).
    CommandExecutor* executor = nullptr;
    // clang-format on
};

struct ScenarioResult {
    int failures = 0;           // failed expectations
    bool script_error = false;  // a line the runner cannot run
    bool output_failed = false; // a picture or a film it could not write
    bool refused = false;       // such a line found before the first frame
    long frames = 0;
    MedianHistogram frame_costs_us; // module work of each frame, in a fixed space
};

class ScenarioRunner {
public:
    // The run takes its frames from `loop`, and sets its pace; the panel
    // stays open at the end, for whoever runs the loop on.
    ScenarioRunner(FrameLoop& loop, ScenarioOptions options, Reporter& reporter);
    // Told as text, all of it on `report`.
    ScenarioRunner(FrameLoop& loop, ScenarioOptions options, std::ostream& report);
    ScenarioResult run(const Program& program);
    // Only the checks before the first frame: every command checked and the
    // gauges placed, no frame run and nothing of the module called, so a
    // panel that has not connected the module can check a scenario for one
    // that is flying.
    ScenarioResult check(const Program& program);

private:
    using Apply = void (ScenarioRunner::*)(const Command&);
    struct VerbRow {
        Verb verb;
        Apply apply;
        bool opens_panel;    // the gauges are placed by then
        bool opens_first;    // the panel is opened before it runs
        bool kept_restoring; // a restore runs it too
    };
    static const VerbRow verbs[];

    // Before the first frame: the gauges placed, the panel file opened,
    // every gauge a line names found, every film writable.
    void check(const Command&);
    void place(const Command&);
    void panel(const Command&);
    void check_gauges(const Command&);
    void check_element(const Command&);

    void apply(const Command&); // set, fps, ticks_per_second, click, press, release
    void realtime(const Command&);
    void ramp(const Command&);
    void pause(const Command&);
    void frames(const Command&);
    void hold(const Command&);
    void snapshot(const Command&);
    void moment(const Command&);
    void sheet(const Command&);
    void film(const Command&); // film_command.cpp
    void end_film();
    void nothing(const Command&) {}

    // Expectations, one per kind of thing seen (expectations.cpp).
    void expect_frame(const Command&);
    void expect_angle(const Command&);
    void expect_hidden(const Command&);
    void expect_key(const Command&);
    void expect_key_count(const Command&);
    void expect_tooltip(const Command&);
    void expect_cursor(const Command&);
    void expect_pixel(const Command&);
    void expect_variable(const Command&);
    void expect_window(const Command&);
    void expect_sound(const Command&);

    void check_all(const Program& program);
    void run_all(const Program& program);
    void run_frames(long count);
    void watch();
    // An expectation's verdict, with what was seen.
    void judge(bool held, const std::string& expected, const std::string& seen);
    void script_error(const std::string& message);
    // A picture or film that cannot be written, said with its file and
    // reason: the run stops there, as after a script error.
    void output_failure(const std::string& message);
    bool stopped_by_fault() const { return result_.script_error || result_.output_failed; }
    std::size_t gauge_index(const Command& command, std::size_t at) const;
    static std::string text(const Command& command, std::size_t at);
    std::string output_path(const std::string& name) const;

    FrameLoop& loop_;
    GaugePanel& panel_;
    HostPlatform& platform_;
    ScenarioOptions options_;
    std::optional<CommandExecutor> own_executor_;
    CommandExecutor& executor_;
    std::unique_ptr<TextReporter> own_reporter_; // for a run told on a stream
    Reporter& reporter_;
    NoteStream notes_; // for the parts that say things as lines: a film, a panel file
    ScenarioResult result_;
    std::string where_;                // "file:line" of the line running
    const Command* running_ = nullptr; // that line, whose file and line an expectation names
    std::string script_folder_;        // where the scenario's panel files are named from
    bool placements_over_ = false;     // a line that opens the panel was checked
    bool flying_ = false;              // the checks are over and the commands run

    std::vector<std::string> last_sound_requests_; // of the last frame
    std::map<std::string, long> sound_counts_;     // calls of each kind in the run so far
    std::vector<SheetMoment> moments_;
    long moments_named_ = 0;           // moment lines, counted while checking
    std::unique_ptr<FilmWriter> film_; // subscribed to the loop while it films
    bool stopped_ = false;             // the run was ended by its clock's watcher
};
