#include "host/bench/session_recorder.h"

#include <algorithm>
#include <cmath>

#include "host/bench/panel_expectations.h"
#include "host/script/print.h"

namespace {

// A step the same as the last within this share of it is still a steady
// climb: the bench's altitude moves by sums that differ in their last bits.
constexpr double steady_step_share = 1e-9;

// A pause is written to a hundredth of a second.
constexpr double pause_steps_per_second = 100;

constexpr const char* paused_frame_note = "one frame while paused";

std::string recorded_line(const Command& command, const std::string& comment = "")
{
    return print(command) + (comment.empty() ? "" : "   " + print_comment(comment)) + "\n";
}

// "recording begin" or "recording end", the marks around a session.
std::string recording_mark(const char* word)
{
    return recorded_line(Command::made(Verb::recording, {std::string(word)}));
}

double ramp_step(const Command& ramp)
{
    return (ramp.number(2) - ramp.number(1)) / ramp.number(3);
}

} // namespace

SessionRecorder::SessionRecorder(std::ostream* file, std::function<double()> now_seconds)
    : text_(file), now_seconds_(std::move(now_seconds))
{
    text_.append(recording_mark("begin"));
}

void SessionRecorder::finish()
{
    settle_run();
    text_.append(recording_mark("end"));
    text_.flush();
}

std::string SessionRecorder::text_so_far_closed() const
{
    return text() + recording_mark("end");
}

void SessionRecorder::comment(const std::string& text)
{
    settle_run();
    text_.append(print_comment(text) + "\n");
}

// Before the first command or frame: the gauges are placed by then, and the
// variables and the pace are what the session starts with.
void SessionRecorder::open_with(FrameLoop& loop)
{
    opened_ = true;
    std::string lines;
    for (const PlacedGauge& gauge : loop.panel().placement.gauges())
        lines += recorded_line(Command::made(
            Verb::place, {GaugeName{gauge.header->name}, double(gauge.x), double(gauge.y), double(gauge.width)}));
    for (const auto& [token, value] : loop.panel().variables.all())
        if (token != token_tick)
            lines += recorded_line(CommandExecutor::set(token, value));
    lines += recorded_line(Command::made(Verb::fps, {loop.pace().frames_per_second})) +
        recorded_line(Command::made(Verb::ticks_per_second, {loop.pace().ticks_per_second}));
    text_.append(lines);
}

void SessionRecorder::applied(const Command& command, FrameLoop& loop)
{
    if (!opened_)
        open_with(loop);
    const std::string after_frame = "after frame " + std::to_string(loop.panel().life.frame_number());
    switch (command.verb) {
    case Verb::ramp: ramp_applied(command); return;
    case Verb::press:
        settle_run();
        press_line_ = text_.size();
        write_command(command, after_frame);
        return;
    case Verb::release:
        // A button let go before any frame ran while it was down was a click.
        if (press_line_) {
            text_.overwrite(*press_line_, verb_words(Verb::click));
            press_line_.reset();
            return;
        }
        write_command(command, after_frame);
        return;
    case Verb::click: write_command(command, after_frame); return;
    default: write_command(command); return;
    }
}

// A ramp the last one carries on (the bench's climb, a frame at a time)
// makes that one longer; any other starts a run of its own.
void SessionRecorder::ramp_applied(const Command& ramp)
{
    if (carries_on(ramp)) {
        Command& longer = *run_.ramp;
        longer.arguments[2] = ramp.number(2);
        longer.arguments[3] = longer.number(3) + ramp.number(3);
    } else {
        // While paused the ramp is the one frame asked for, after the pause so far.
        if (paused_)
            write_pause();
        settle_run();
        run_.ramp = ramp;
    }
    write_run();
}

// The same variable from where the last ramp ended, all of whose frames
// have flown, by the same step (both within the last bits a sum moves them).
bool SessionRecorder::carries_on(const Command& ramp) const
{
    if (paused_ || !run_.ramp || run_.ramp->variable(0) != ramp.variable(0) ||
        run_.frames != long(run_.ramp->number(3)))
        return false;
    const double step = ramp_step(*run_.ramp);
    const double near = steady_step_share * std::fabs(step);
    return std::fabs(ramp.number(1) - run_.ramp->number(2)) <= near && std::fabs(ramp_step(ramp) - step) <= near;
}

void SessionRecorder::frame_ran(FrameLoop& loop, const FrameResult&)
{
    if (!opened_)
        open_with(loop);
    press_line_.reset();
    const bool in_ramp = run_.ramp && run_.frames < long(run_.ramp->number(3));
    if (paused_ && !in_ramp) {
        write_pause();
        run_.stepped = true;
    }
    if (!in_ramp && (run_.ramp || run_.stepped != paused_))
        settle_run();
    ++run_.frames;
    run_.stepped = paused_;
    write_run();
    if (paused_) {
        settle_run();
        pause_start_ = now_seconds_();
    }
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
    text_.append(recorded_line(
        Command::made(Verb::pause, {std::round(seconds * pause_steps_per_second) / pause_steps_per_second})));
    pause_start_ = now_seconds_();
}

void SessionRecorder::expect_now(FrameLoop& loop, const std::vector<std::string>& last_frame_sounds)
{
    if (!opened_)
        open_with(loop);
    settle_run();
    text_.append(print_comment("what the panel shows after frame " + std::to_string(loop.panel().life.frame_number())) +
                 "\n" + panel_expectations(loop.panel(), last_frame_sounds));
    text_.flush();
}

void SessionRecorder::write_command(const Command& command, const std::string& comment)
{
    settle_run();
    text_.append(recorded_line(command, comment));
    text_.flush();
}

// The run's lines stay as they are; what comes next goes after them. A
// ramp cut short (the session ended inside a scenario's ramp) is written
// down as far as it flew.
void SessionRecorder::settle_run()
{
    if (run_.ramp && run_.frames < long(run_.ramp->number(3))) {
        Command& flown = *run_.ramp;
        const double from = flown.number(1), to = flown.number(2), frames = flown.number(3);
        flown.arguments[2] = from + (to - from) * double(run_.frames) / frames;
        flown.arguments[3] = double(run_.frames);
        write_run();
    }
    text_.keep_tail();
    run_ = Run{};
}

void SessionRecorder::write_run()
{
    std::string line;
    if (run_.ramp)
        line = recorded_line(*run_.ramp);
    else if (run_.frames > 0)
        line = recorded_line(Command::made(Verb::frames, {double(run_.frames)}), run_.stepped ? paused_frame_note : "");
    text_.set_tail(std::move(line));
}
