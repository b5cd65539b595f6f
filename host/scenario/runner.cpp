#include "host/scenario/runner.h"
#include "host/base/output_file.h"
#include "host/raster/png_file.h"

#include <cmath>

#include "host/panel/variables.h"
#include "host/panel/xray_overlay.h"
#include "host/script/print.h"

namespace {

constexpr int sheet_columns = 4;

} // namespace

// ORDER: as the verbs are declared. Columns: the command ends the
// placements; it opens the panel first, before it looks at the gauges or
// presses them (a frame opens it itself); a restore runs it too (one that
// shows, writes pictures or waits for a person it passes over).
const ScenarioRunner::VerbRow ScenarioRunner::verbs[] = {
    // clang-format off
    {Verb::place,            &ScenarioRunner::nothing,          false, false, true},
    {Verb::panel,            &ScenarioRunner::nothing,          false, false, true},
    {Verb::fps,              &ScenarioRunner::apply,            false, false, true},
    {Verb::ticks_per_second, &ScenarioRunner::apply,            false, false, true},
    {Verb::realtime,         &ScenarioRunner::realtime,         false, false, false},
    {Verb::set,              &ScenarioRunner::apply,            false, false, true},
    {Verb::ramp,             &ScenarioRunner::ramp,             true , false, true},
    {Verb::frames,           &ScenarioRunner::frames,           true , false, true},
    {Verb::click,            &ScenarioRunner::apply,            true , true , true},
    {Verb::press,            &ScenarioRunner::apply,            true , true , true},
    {Verb::release,          &ScenarioRunner::apply,            false, false, true},
    {Verb::hold,             &ScenarioRunner::hold,             true , true , true},
    {Verb::snapshot,         &ScenarioRunner::snapshot,         true , true , false},
    {Verb::moment,           &ScenarioRunner::moment,           true , true , false},
    {Verb::sheet,            &ScenarioRunner::sheet,            false, false, false},
    {Verb::pause,            &ScenarioRunner::pause,            false, false, false},
    {Verb::film,             &ScenarioRunner::film,             false, false, true},
    {Verb::expect_frame,     &ScenarioRunner::expect_frame,     true , true , true},
    {Verb::expect_angle,     &ScenarioRunner::expect_angle,     true , true , true},
    {Verb::expect_hidden,    &ScenarioRunner::expect_hidden,    true , true , true},
    {Verb::expect_key,       &ScenarioRunner::expect_key,       true , true , true},
    {Verb::expect_key_count, &ScenarioRunner::expect_key_count, true , true , true},
    {Verb::expect_tooltip,   &ScenarioRunner::expect_tooltip,   true , true , true},
    {Verb::expect_cursor,    &ScenarioRunner::expect_cursor,    true , true , true},
    {Verb::expect_pixel,     &ScenarioRunner::expect_pixel,     true , true , true},
    {Verb::expect_variable,  &ScenarioRunner::expect_variable,  true , true , true},
    {Verb::expect_window,    &ScenarioRunner::expect_window,    true , true , true},
    {Verb::expect_sound,     &ScenarioRunner::expect_sound,     true , true , true},
    {Verb::recording,        &ScenarioRunner::nothing,          false, false, true},
    // clang-format on
};

ScenarioRunner::ScenarioRunner(FrameLoop& loop, ScenarioOptions options, Reporter& reporter)
    : loop_(loop), panel_(loop.panel()), platform_(loop.platform()), options_(std::move(options)),
      executor_(options_.executor != nullptr ? *options_.executor : own_executor_.emplace(loop)), reporter_(reporter),
      notes_(reporter)
{
    static_assert(std::size(verbs) == verb_count);
}

ScenarioRunner::ScenarioRunner(FrameLoop& loop, ScenarioOptions options, std::ostream& report)
    : loop_(loop), panel_(loop.panel()), platform_(loop.platform()), options_(std::move(options)),
      executor_(options_.executor != nullptr ? *options_.executor : own_executor_.emplace(loop)),
      own_reporter_(std::make_unique<TextReporter>(report, report)), reporter_(*own_reporter_), notes_(reporter_)
{
}

// Every command is checked against the panel before the first frame and
// the gauges placed, so that a bad line anywhere stops the run before
// anything has flown. Then the commands run.
ScenarioResult ScenarioRunner::run(const Program& program)
{
    reporter_.run_started(program.file);
    check(program);
    if (!result_.refused)
        run_all(program);
    end_film();
    result_.frames = panel_.life.frame_number();
    return result_;
}

ScenarioResult ScenarioRunner::check(const Program& program)
{
    script_folder_ = folder_of(program.file);
    check_all(program);
    result_.refused = stopped_by_fault();
    return result_;
}

void ScenarioRunner::check_all(const Program& program)
{
    for (const Command& command : program.commands) {
        where_ = command.where();
        running_ = &command;
        check(command);
        placements_over_ = placements_over_ || verbs[static_cast<std::size_t>(command.verb)].opens_panel;
        if (stopped_by_fault())
            return;
    }
}

void ScenarioRunner::run_all(const Program& program)
{
    flying_ = true;
    for (const Command& command : program.commands) {
        const VerbRow& row = verbs[static_cast<std::size_t>(command.verb)];
        if (options_.restoring && !row.kept_restoring)
            continue;
        where_ = command.where();
        running_ = &command;
        if (row.opens_first)
            panel_.life.open();
        (this->*row.apply)(command);
        if (stopped_by_fault() || stopped_)
            return;
    }
}

void ScenarioRunner::watch()
{
    if (options_.watch)
        options_.watch(panel_);
}

void ScenarioRunner::judge(bool held, const std::string& expected, const std::string& seen)
{
    if (!held)
        ++result_.failures;
    reporter_.expectation(
        {.file = running_->file, .line = running_->line, .held = held, .expected = expected, .seen = seen});
}

void ScenarioRunner::script_error(const std::string& message)
{
    if (!result_.script_error)
        reporter_.problem(
            {.kind = flying_ ? ProblemKind::stopped : ProblemKind::refused, .where = where_, .message = message});
    result_.script_error = true;
}

void ScenarioRunner::output_failure(const std::string& message)
{
    if (!result_.output_failed)
        reporter_.problem({.kind = ProblemKind::output, .where = where_, .message = message});
    result_.output_failed = true;
}

// A name as the scenario gave it, in the folder the command line gave:
// "shot.png" stays "shot.png" where no --out was given.
std::string ScenarioRunner::output_path(const std::string& name) const
{
    if (name.starts_with('/') || (name.size() > 1 && name[1] == ':') || options_.output_folder == ".")
        return name;
    return options_.output_folder + "/" + name;
}

std::size_t ScenarioRunner::gauge_index(const Command& command, std::size_t at) const
{
    return panel_.placement.index_of(command.gauge(at));
}

std::string ScenarioRunner::text(const Command& command, std::size_t at)
{
    return print_value(command.arguments.at(at));
}

void ScenarioRunner::realtime(const Command& c)
{
    loop_.follow_clock(c.word(0) == "on");
}

// The panel stands still: no frames for that long where frames follow the
// clock, and their pace starts again from the end of the pause.
void ScenarioRunner::pause(const Command& c)
{
    const double seconds = c.number(0);
    if (!loop_.follows_clock() || seconds <= 0.0)
        return;
    FrameClock& clock = loop_.clock();
    const auto due =
        clock.now() + std::chrono::duration_cast<FrameClock::Clock::duration>(std::chrono::duration<double>(seconds));
    if (!clock.wait_until(due))
        stopped_ = true;
    loop_.follow_clock(true);
}

// The executor moves the variable at the start of each of the ramp's frames.
void ScenarioRunner::ramp(const Command& c)
{
    executor_.apply(c);
    run_frames(static_cast<long>(c.number(3)));
}

void ScenarioRunner::frames(const Command& c)
{
    run_frames(static_cast<long>(c.number(0)));
}

void ScenarioRunner::run_frames(long count)
{
    for (long i = 0; i < count && !result_.script_error && !stopped_; ++i) {
        if (!loop_.wait_for_next_frame()) {
            stopped_ = true;
            break;
        }
        const FrameResult& frame = loop_.run_frame();
        result_.frame_costs_us.add(frame.work_us);
        last_sound_requests_ = frame.sound_requests;
        for (const std::string& request : frame.sound_requests)
            ++sound_counts_[request];
        watch();
    }
}

// What tells the panel something goes to it through the executor.
void ScenarioRunner::apply(const Command& c)
{
    executor_.apply(c);
}

// `GAUGE X Y [left|right] FRAMES`: a press, its frames, its release.
void ScenarioRunner::hold(const Command& c)
{
    const bool named_button = c.has(4);
    Command press = c;
    press.verb = Verb::press;
    press.arguments.resize(named_button ? 4 : 3);
    executor_.apply(press);
    run_frames(static_cast<long>(c.number(named_button ? 4 : 3)));
    executor_.apply(CommandExecutor::release());
}

// `FILE.png [GAUGE] [xray]`.
void ScenarioRunner::snapshot(const Command& c)
{
    const bool xray = std::holds_alternative<std::string>(c.arguments.back()) && c.arguments.size() > 1;
    const bool one_gauge = c.has(1) && std::holds_alternative<GaugeName>(c.arguments[1]);
    const std::size_t gauge = one_gauge ? gauge_index(c, 1) : 0;
    watch();
    const Image& drawn = one_gauge ? loop_.draw_gauge(gauge) : loop_.draw_panel();
    Image picture;
    if (xray) {
        picture = drawn;
        XrayOverlay overlay;
        if (one_gauge)
            overlay.draw_face(picture, panel_.placement.gauges()[gauge]);
        else
            overlay.draw_panel(picture, panel_.placement.gauges());
    }
    std::string error;
    if (write_png(xray ? picture : drawn, output_path(c.word(0)), &error))
        reporter_.file_written(output_path(c.word(0)));
    else
        output_failure(error);
}

void ScenarioRunner::moment(const Command& c)
{
    watch();
    moments_.push_back({c.word(0), loop_.draw_panel()});
}

void ScenarioRunner::sheet(const Command& c)
{
    std::string error;
    if (write_png(contact_sheet(moments_, sheet_columns), output_path(c.word(0)), &error))
        reporter_.file_written(output_path(c.word(0)));
    else
        output_failure(error);
}
