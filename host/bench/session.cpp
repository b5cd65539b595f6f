#include "host/bench/session.h"

#include <fstream>
#include <iostream>

#include "host/panel/film_writer.h"
#include "host/panel/frame_trace.h"

namespace {

// The status strip's frame rate: the median of the last second or so.
constexpr auto status_rate_frames = static_cast<std::size_t>(default_frames_per_second);

constexpr const char* bench_demo_file = "bench_demo.txt";

} // namespace

BenchSession::BenchSession(GaugePanel& panel, HostPlatform& platform, BenchScreen& screen, std::ostream& report,
                           BenchOptions options)
    : panel_(panel), platform_(platform), screen_(screen), report_(report), options_(options),
      loop_(panel, platform, *this, true), executor_(loop_), bench_(loop_, executor_), start_(screen.now())
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
    // The recorder hears every command applied and counts every frame.
    if (options_.recorder != nullptr)
        loop_.add_observer(*options_.recorder);
    executor_.set_listener(options_.recorder);
    loop_.add_observer(*this);
    scenario_options.executor = &executor_;
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
        guarded([&] { options_.recorder->expect_now(loop_, bench_.last_sound_requests()); });
        options_.recorder->finish();
    }
    executor_.set_listener(nullptr);
    if (options_.recorder != nullptr)
        loop_.remove_observer(*options_.recorder);
    if (trace_writer)
        loop_.remove_observer(*trace_writer);
    loop_.remove_observer(*this);
    output_failed_ = result.output_failed;
    if (film) {
        loop_.remove_observer(*film);
        output_failed_ = !film->finish() || output_failed_;
    }
    guarded([&] { panel_.life.close(); });
    report_ << "bench closed, " << frame_rate_.summary() << std::endl;
    return failures;
}

// Frames at the scenario's pace until the person quits, from the loop's
// pacer: one that took longer than its slot moves the pace on rather than
// being caught up in a burst.
void BenchSession::fly_bench()
{
    if (!guarded([&] { panel_.life.open(); }))
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
                    present(loop_.draw_panel(), work_start);
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
    executor_.set_listener(nullptr);
    if (options_.reporter != nullptr)
        options_.reporter->crashed(fault);
    else
        report_ << module_crash_message(fault) << std::endl;
    std::cerr << module_crash_message(fault) << std::endl;
    bench_.set_note("MODULE CRASHED: " + fault + " (Esc closes)");
}

// Between frames: the screen answers the system until the frame is due,
// then what the person did meanwhile starts the frame.
bool BenchSession::wait_until(BenchScreen::Clock::time_point due)
{
    screen_.wait_until(due);
    take_input();
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
        xray_.draw_panel(xrayed, panel_.placement.gauges());
        shown = &xrayed;
    }
    const BenchView view{.panel = shown,
                         .status = bench_.status_line(frame_rate_.recent_frames_per_second(status_rate_frames)),
                         .help = bench_help_line(),
                         .note = bench_.note(),
                         .tooltip = crash_ ? std::nullopt : tooltip_now(),
                         .pointer = pointer_,
                         .cursor = cursor_};
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
        text = panel_.input.tooltip_at(place->gauge, pointer_gauge_->face);
    if (text != tooltip_reported_) {
        report_ << "tooltip " << (text ? "\"" + *text + "\"" : "none") << std::endl;
        tooltip_reported_ = text;
    }
    return text;
}

std::string bench_demo_path(const std::string& host_folder)
{
    return host_folder + bench_demo_file;
}
