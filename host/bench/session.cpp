#include "host/bench/session.h"

#include <fstream>
#include <iostream>

#include "host/panel/film_writer.h"
#include "host/panel/frame_trace.h"

namespace {

// The status strip's frame rate: the median of the last second or so.
constexpr std::size_t status_rate_frames = 18;

constexpr const char* bench_demo_file = "bench_demo.txt";

std::string point_text(PixelPoint p)
{
    return std::to_string(p.x) + "," + std::to_string(p.y);
}

std::string button_name(MouseButton button)
{
    return button == MouseButton::left ? "left" : "right";
}

} // namespace

BenchSession::BenchSession(GaugePanel& panel, HostPlatform& platform, BenchScreen& screen, std::ostream& report,
                           BenchOptions options)
    : panel_(panel), platform_(platform), screen_(screen), report_(report), options_(options),
      loop_(panel, platform, *this, true), bench_(loop_), start_(screen.now())
{
    bench_.set_xray(options.xray);
    next_report_seconds_ = options.report_every_seconds;
}

double BenchSession::seconds_since_start() const
{
    return std::chrono::duration<double>(screen_.now() - start_).count();
}

int BenchSession::run(const Program& scenario, ScenarioOptions scenario_options, std::ostream* trace)
{
    // The trace sees each frame before the window draws it.
    std::optional<FrameTraceWriter> trace_writer;
    if (trace != nullptr)
        loop_.add_observer(trace_writer.emplace(*trace));
    // The film holds every frame the window shows, the scenario's and the bench's own.
    std::optional<FilmWriter> film;
    if (!options_.film_path.empty())
        loop_.add_observer(film.emplace(options_.film_path, report_));
    loop_.add_observer(*this);
    panel_.set_watcher(options_.recorder);
    TextReporter told(report_, report_);
    Reporter& reporter = options_.reporter != nullptr ? *options_.reporter : told;
    ScenarioRunner runner(loop_, std::move(scenario_options), reporter);
    ScenarioResult result;
    if (guarded([&] { result = runner.run(scenario); }) && !result.refused)
        reporter.run_ended({.frames = result.frames,
                            .failures = result.failures,
                            .stopped = result.script_error,
                            .live = true});
    const int failures = result.script_error ? -1 : result.failures;
    // A scenario refused before its first frame opens no bench.
    if (!bench_.quit_asked() && !result.refused)
        crash_ ? fly_bench_crashed() : fly_bench();
    // What the panel ended with closes the record, before its gauges end.
    if (options_.recorder != nullptr && !result.refused) {
        guarded([&] { options_.recorder->expect_now(panel_, bench_.last_sound_requests()); });
        options_.recorder->finish();
    }
    panel_.set_watcher(nullptr);
    if (trace_writer)
        loop_.remove_observer(*trace_writer);
    loop_.remove_observer(*this);
    output_failed_ = result.output_failed;
    if (film) {
        loop_.remove_observer(*film);
        output_failed_ = !film->finish() || output_failed_;
    }
    guarded([&] { panel_.close(); });
    report_ << "bench closed, " << frame_rate_.summary() << std::endl;
    return failures;
}

// Frames at the scenario's pace until the person quits, from the loop's
// pacer: one that took longer than its slot moves the pace on rather than
// being caught up in a burst.
void BenchSession::fly_bench()
{
    if (!guarded([&] { panel_.open(); }))
        return fly_bench_crashed();
    report_ << "bench ready at " << loop_.pace().frames_per_second << " fps" << std::endl;
    report_ << "keys: " << bench_help_line() << std::endl;
    loop_.follow_clock(true);
    while (loop_.wait_for_next_frame()) {
        if (options_.seconds > 0.0 && seconds_since_start() >= options_.seconds) {
            report_ << "bench ran its " << options_.seconds << " s" << std::endl;
            break;
        }
        const auto work_start = screen_.now();
        follow_module_file();
        // Paused, the window still follows the pointer and what it clicks.
        if (!guarded([&] {
                if (!bench_.run_frame())
                    present(panel_.draw_panel(), work_start);
            }))
            return fly_bench_crashed();
    }
}

// The last picture and the fault in the strip, until the window is closed.
void BenchSession::fly_bench_crashed()
{
    loop_.follow_clock(true);
    while (loop_.wait_for_next_frame()) {
        present(last_picture_ != nullptr ? *last_picture_ : kept_picture_, screen_.now());
        if (options_.seconds > 0.0 && seconds_since_start() >= options_.seconds)
            break;
    }
}

bool BenchSession::guarded(const std::function<void()>& work)
{
    if (crash_)
        return false;
    if (const auto fault = platform_.guarded(work))
        crashed(*fault);
    return !crash_;
}

// The module's fault, said as at start-up; the window stays, showing the
// last picture, until it is closed.
void BenchSession::crashed(const std::string& fault)
{
    crash_ = fault;
    panel_.set_watcher(nullptr);
    if (options_.reporter != nullptr)
        options_.reporter->crashed(fault);
    else
        report_ << module_crash_message(fault) << std::endl;
    std::cerr << module_crash_message(fault) << std::endl;
    bench_.set_note("MODULE CRASHED: " + fault + " (Esc closes)");
}

bool BenchSession::wait_until(BenchScreen::Clock::time_point due)
{
    screen_.wait_until(due, *this);
    return !bench_.quit_asked();
}

void BenchSession::frame_ran(FrameLoop& loop, const FrameResult& frame)
{
    bench_.frame_ran(frame);
    present(loop.picture(), frame.started);
}

void BenchSession::present(const Image& picture, BenchScreen::Clock::time_point work_start)
{
    last_picture_ = &picture;
    const Image* shown = &picture;
    Image xrayed;
    if (bench_.xray() && !crash_) {
        xrayed = picture;
        xray_.draw_panel(xrayed, panel_.gauges());
        shown = &xrayed;
    }
    const BenchView view{.panel = shown,
                         .status = bench_.status_line(frame_rate_.recent_frames_per_second(status_rate_frames)),
                         .help = bench_help_line(),
                         .note = bench_.note(),
                         .tooltip = crash_ ? std::nullopt : tooltip_now(),
                         .pointer = pointer_};
    screen_.show(view, *this);
    if (bench_.tone_playing() != tone_reported_) {
        tone_reported_ = bench_.tone_playing();
        report_ << "tone " << (tone_reported_ ? "playing" : "off") << std::endl;
    }
    frame_rate_.frame_shown(seconds_since_start(), std::chrono::duration<double>(screen_.now() - work_start).count());
    if (options_.report_every_seconds > 0.0 && seconds_since_start() >= next_report_seconds_) {
        report_ << frame_rate_.summary() << std::endl;
        next_report_seconds_ += options_.report_every_seconds;
    }
}

// The text follows the value under the pointer for as long as it shows.
std::optional<std::string> BenchSession::tooltip_now()
{
    std::optional<std::string> text;
    if (const auto place = tooltip_rest_.shown(seconds_since_start()); place && pointer_gauge_)
        text = panel_.tooltip_at(place->gauge, pointer_gauge_->face);
    if (text != tooltip_reported_) {
        report_ << "tooltip " << (text ? "\"" + *text + "\"" : "none") << std::endl;
        tooltip_reported_ = text;
    }
    return text;
}

void BenchSession::key(const std::string& name)
{
    const auto action = crash_ ? bench_action_for(name) : bench_.press_key(name);
    if (!action)
        return;
    report_ << "key " << name << std::endl;
    if (crash_) {
        if (*action == BenchAction::quit)
            bench_.apply(BenchAction::quit);
        return;
    }
    if (*action == BenchAction::mark)
        mark();
    if (options_.recorder != nullptr && (*action == BenchAction::pause_toggle || *action == BenchAction::step_frame))
        options_.recorder->set_paused(bench_.paused());
}

// "This is what I saw here": the expectations of this moment, in the record.
void BenchSession::mark()
{
    if (options_.recorder == nullptr) {
        report_ << "nothing records this session: --record FILE keeps what shows" << std::endl;
        return;
    }
    if (guarded([&] { options_.recorder->expect_now(panel_, bench_.last_sound_requests()); }))
        report_ << "marked what shows after frame " << panel_.frame_number() << std::endl;
}

void BenchSession::pointer_moved(PixelPoint panel)
{
    pointer_ = panel;
    pointer_gauge_ = gauge_point_at(panel_.gauges(), panel);
    std::optional<TooltipPlace> place;
    if (pointer_gauge_)
        if (const MouseRect* entry = panel_.mouse_at(pointer_gauge_->gauge, pointer_gauge_->face).tooltip)
            place = TooltipPlace{pointer_gauge_->gauge, entry};
    tooltip_rest_.pointer_at(place, panel, seconds_since_start());
}

void BenchSession::pointer_left()
{
    pointer_gauge_.reset();
    tooltip_rest_.pointer_at(std::nullopt, pointer_, seconds_since_start());
}

void BenchSession::button_down(PixelPoint panel, MouseButton button)
{
    pointer_moved(panel);
    report_ << "press " << point_text(panel) << " " << button_name(button) << ": ";
    if (!pointer_gauge_) {
        report_ << "no gauge" << std::endl;
        return;
    }
    // The panel opens before the window first shows; a click cannot come
    // sooner, but one must not open it from inside its own opening.
    if (!panel_.is_open() || crash_) {
        report_ << (crash_ ? "the module has crashed" : "the panel is not open yet") << std::endl;
        return;
    }
    const GaugePoint at = *pointer_gauge_;
    const MouseTarget target = panel_.mouse_at(at.gauge, at.face);
    report_ << panel_.gauges()[at.gauge].label << " " << point_text(at.face) << " ";
    if (target.click_area == nullptr)
        report_ << "no click area";
    else if (!accepts(*target.click_area, button))
        report_ << "not taken by its area";
    else
        report_ << "taken";
    report_ << std::endl;
    guarded([&] { panel_.press(at.gauge, at.face, button); });
}

void BenchSession::button_up()
{
    if (!crash_)
        panel_.release();
}

std::int32_t BenchSession::cursor_at(PixelPoint panel)
{
    const std::optional<GaugePoint> at = gauge_point_at(panel_.gauges(), panel);
    const std::int32_t cursor = at ? panel_.mouse_at(at->gauge, at->face).cursor : cursor_none;
    const std::string name = cursor_name(cursor);
    if (name != cursor_reported_) {
        report_ << "cursor " << name;
        if (at)
            report_ << " " << panel_.gauges()[at->gauge].label << " " << point_text(at->face);
        report_ << std::endl;
        cursor_reported_ = name;
    }
    return cursor;
}

std::string bench_demo_path(const std::string& host_folder)
{
    return host_folder + bench_demo_file;
}
