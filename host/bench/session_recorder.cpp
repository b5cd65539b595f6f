#include "host/bench/session_recorder.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "host/bench/panel_expectations.h"
#include "host/script/print.h"

namespace {

// A step the same as the last within this share of it is still a steady
// climb: the bench's altitude moves by sums that differ in their last bits.
constexpr double steady_step_share = 1e-9;

// A pause is written to a hundredth of a second.
constexpr double pause_steps_per_second = 100;

std::string line(Verb verb, std::vector<Value> arguments, const std::string& comment = "")
{
    const Command command{.verb = verb, .arguments = std::move(arguments), .file = {}, .line = 0};
    return print(command) + (comment.empty() ? "" : "   " + print_comment(comment)) + "\n";
}

std::string set_line(std::uint32_t token, double value)
{
    return line(Verb::set, {HostVariable{token}, value});
}

} // namespace

SessionRecorder::SessionRecorder(std::ostream* file, std::function<double()> now_seconds)
    : text_(file), now_seconds_(std::move(now_seconds))
{
    write_fixed(line(Verb::recording, {std::string("begin")}));
}

void SessionRecorder::finish()
{
    settle_run();
    write_fixed(line(Verb::recording, {std::string("end")}));
    text_.flush();
}

std::string SessionRecorder::text_so_far_closed() const
{
    return text() + line(Verb::recording, {std::string("end")});
}

void SessionRecorder::comment(const std::string& text)
{
    settle_run();
    write_fixed(print_comment(text) + "\n");
}

// The first thing that happens to the panel: its gauges are placed by
// then, and the variables are what the session started with.
void SessionRecorder::open_with(const GaugePanel& panel)
{
    opened_ = true;
    std::string lines;
    for (const PlacedGauge& gauge : panel.placement.gauges())
        lines +=
            line(Verb::place, {GaugeName{gauge.header->name}, double(gauge.x), double(gauge.y), double(gauge.width)});
    for (const auto& [token, value] : panel.variables.all())
        if (token != token_tick)
            lines += set_line(token, value);
    write_fixed(lines);
    before_ = panel.variables.all();
}

void SessionRecorder::follow_pace(const GaugePanel& panel)
{
    if (panel.life.frames_per_second() == frames_per_second_ && panel.life.ticks_per_second() == ticks_per_second_)
        return;
    frames_per_second_ = panel.life.frames_per_second();
    ticks_per_second_ = panel.life.ticks_per_second();
    settle_run();
    write_fixed(line(Verb::fps, {frames_per_second_}) + line(Verb::ticks_per_second, {ticks_per_second_}));
}

void SessionRecorder::frame_starting(const GaugePanel& panel)
{
    if (!opened_)
        open_with(panel);
    follow_pace(panel);
    press_line_.reset();
    const Values& now = panel.variables.all();
    if (paused_) {
        // One frame asked for while the panel stands still.
        write_pause();
        start_run(now);
        run_.stepped = true;
    } else if (run_.ramp && continues(*run_.ramp, now)) {
        run_.ramp->last = now.at(run_.ramp->token);
        ++run_.ramp->frames;
    } else if (run_.ramp && run_.ramp->frames == 1 && now == before_without_tick(now)) {
        // One change and then steady frames: a set, not a climb.
        run_.sets += set_line(run_.ramp->token, run_.ramp->last);
        run_.ramp.reset();
        run_.frames = 2;
    } else if (!run_.ramp && (run_.frames > 0 && !run_.stepped) && now == before_without_tick(now)) {
        ++run_.frames;
    } else {
        settle_run();
        start_run(now);
    }
    write_run();
}

void SessionRecorder::frame_ended(const GaugePanel& panel)
{
    before_ = panel.variables.all();
    if (run_.stepped) {
        settle_run();
        pause_start_ = now_seconds_();
    }
    text_.flush();
}

// The variables now, with the tick (the panel's own) as it was before, so
// that comparing the two says whether anything else moved.
SessionRecorder::Values SessionRecorder::before_without_tick(const Values& now) const
{
    Values before = before_;
    if (const auto tick = now.find(token_tick); tick != now.end())
        before[token_tick] = tick->second;
    return before;
}

// The variable moved again by the ramp's step since the last frame ended,
// and only the session moved it: the frame itself left it where it was.
bool SessionRecorder::continues(const Ramp& ramp, const Values& now) const
{
    Values expected = before_without_tick(now);
    const auto moved = now.find(ramp.token);
    const auto before = before_.find(ramp.token);
    if (moved == now.end() || before == before_.end() || before->second != ramp.last)
        return false;
    const double step = moved->second - ramp.last;
    expected[ramp.token] = moved->second;
    return expected == now && std::fabs(step - ramp.step) <= steady_step_share * std::fabs(ramp.step);
}

// A new run from this frame: every variable that moved is set, except one
// that may go on moving steadily (the altitude first), which starts a ramp.
void SessionRecorder::start_run(const Values& now)
{
    run_ = Run{};
    std::vector<std::uint32_t> moved;
    for (const auto& [token, value] : now) {
        const auto before = before_.find(token);
        if (token != token_tick && (before == before_.end() || before->second != value))
            moved.push_back(token);
    }
    std::optional<std::uint32_t> climbing;
    for (std::uint32_t token : moved)
        if (token == token_altitude || moved.size() == 1)
            climbing = token;
    for (std::uint32_t token : moved)
        if (token != climbing)
            run_.sets += set_line(token, now.at(token));
    if (climbing) {
        const double from = before_.contains(*climbing) ? before_.at(*climbing) : 0.0;
        const double to = now.at(*climbing);
        run_.ramp = Ramp{.token = *climbing, .from = from, .last = to, .step = to - from, .frames = 1};
    } else {
        run_.frames = 1;
    }
}

void SessionRecorder::pressed(const GaugePanel& panel, std::size_t gauge, PixelPoint point, MouseButton button,
                              bool held)
{
    if (!opened_)
        open_with(panel);
    write_sets_since_frame(panel.variables.all());
    press_line_ = text_.size();
    held_ = held;
    event_line(held ? Verb::press : Verb::click,
               {GaugeName{panel.placement.gauges().at(gauge).label}, double(point.x), double(point.y),
                std::string(button == MouseButton::left ? "left" : "right")},
               panel);
}

// What the module did with the press (a key event that moves a variable)
// is its own, and comes again when the press is flown again.
void SessionRecorder::press_taken(const GaugePanel& panel)
{
    before_ = panel.variables.all();
}

// Variables the session moved since the last frame, set before an event.
void SessionRecorder::write_sets_since_frame(const Values& now)
{
    settle_run();
    std::string lines;
    for (const auto& [token, value] : now) {
        const auto before = before_.find(token);
        if (token != token_tick && (before == before_.end() || before->second != value))
            lines += set_line(token, value);
    }
    write_fixed(lines);
    before_ = now;
}

// A button let go before any frame ran while it was down was a click.
void SessionRecorder::released(const GaugePanel& panel)
{
    if (!held_)
        return;
    held_ = false;
    if (press_line_) {
        text_.overwrite(*press_line_, verb_words(Verb::click));
        press_line_.reset();
        return;
    }
    event_line(Verb::release, {}, panel);
}

void SessionRecorder::event_line(Verb verb, std::vector<Value> arguments, const GaugePanel& panel)
{
    settle_run();
    write_fixed(line(verb, std::move(arguments), "after frame " + std::to_string(panel.life.frame_number())));
    text_.flush();
}

void SessionRecorder::set_paused(bool paused)
{
    if (paused == paused_)
        return;
    if (paused) {
        settle_run();
        pause_start_ = now_seconds_();
    } else {
        write_pause();
    }
    paused_ = paused;
}

void SessionRecorder::write_pause()
{
    settle_run();
    const double seconds = std::max(0.0, now_seconds_() - pause_start_);
    write_fixed(line(Verb::pause, {std::round(seconds * pause_steps_per_second) / pause_steps_per_second}));
}

void SessionRecorder::expect_now(GaugePanel& panel, const std::vector<std::string>& last_frame_sounds)
{
    if (!opened_)
        open_with(panel);
    settle_run();
    write_fixed(print_comment("what the panel shows after frame " + std::to_string(panel.life.frame_number())) + "\n" +
                panel_expectations(panel, last_frame_sounds));
    text_.flush();
}

void SessionRecorder::resume(const GaugePanel& panel)
{
    settle_run();
    before_ = panel.variables.all();
}

// The run's lines stay as they are; what comes next goes after them.
void SessionRecorder::settle_run()
{
    text_.keep_tail();
    run_ = Run{};
}

void SessionRecorder::write_run()
{
    std::string lines = run_.sets;
    if (run_.ramp && run_.ramp->frames > 1) {
        const Ramp& ramp = *run_.ramp;
        lines += line(Verb::ramp, {HostVariable{ramp.token}, ramp.from, ramp.last, double(ramp.frames)});
    } else {
        if (run_.ramp)
            lines += set_line(run_.ramp->token, run_.ramp->last);
        lines += line(Verb::frames, {double(run_.frames + (run_.ramp ? 1 : 0))},
                      run_.stepped ? "one frame while paused" : "");
    }
    text_.set_tail(std::move(lines));
}

void SessionRecorder::write_fixed(const std::string& lines)
{
    text_.append(lines);
}
