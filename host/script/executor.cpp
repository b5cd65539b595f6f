#include "host/script/executor.h"

CommandExecutor::CommandExecutor(FrameLoop& loop) : loop_(loop)
{
    loop_.set_starter(this);
}

CommandExecutor::~CommandExecutor()
{
    loop_.set_starter(nullptr);
}

Command CommandExecutor::set(std::uint32_t token, double value)
{
    return Command::made(Verb::set, {HostVariable{token}, value});
}

Command CommandExecutor::ramp(std::uint32_t token, double from, double to, long frames)
{
    return Command::made(Verb::ramp, {HostVariable{token}, from, to, double(frames)});
}

Command CommandExecutor::press(const std::string& gauge, PixelPoint point, MouseButton button)
{
    return Command::made(Verb::press,
                         {GaugeName{gauge}, double(point.x), double(point.y), std::string(button_word(button))});
}

Command CommandExecutor::release()
{
    return Command::made(Verb::release, {});
}

std::optional<PressOutcome> CommandExecutor::apply(const Command& c)
{
    if (listener_ != nullptr)
        listener_->applied(c, loop_);
    GaugePanel& panel = loop_.panel();
    switch (c.verb) {
    case Verb::set: panel.variables.set(c.variable(0), c.number(1)); break;
    case Verb::ramp:
        // A ramp of no frames moves nothing.
        ramp_.reset();
        if (c.number(3) >= 1)
            ramp_ = Ramp{.token = c.variable(0), .from = c.number(1), .to = c.number(2), .frames = long(c.number(3))};
        break;
    case Verb::click:
    case Verb::press: return press_or_click(c);
    case Verb::release: panel.input.release(); break;
    case Verb::fps:
        loop_.set_pace({.frames_per_second = c.number(0), .ticks_per_second = loop_.pace().ticks_per_second});
        break;
    case Verb::ticks_per_second:
        loop_.set_pace({.frames_per_second = loop_.pace().frames_per_second, .ticks_per_second = c.number(0)});
        break;
    default: break;
    }
    return std::nullopt;
}

// `GAUGE X Y [left|right]`.
PressOutcome CommandExecutor::press_or_click(const Command& c)
{
    GaugePanel& panel = loop_.panel();
    const std::size_t gauge = panel.placement.index_of(c.gauge(0));
    return c.verb == Verb::click ? panel.input.click(gauge, c.point(1), c.button(3))
                                 : panel.input.press(gauge, c.point(1), c.button(3));
}

// The ramp's value for this frame: the frames it spans end on its last value.
void CommandExecutor::frame_starting(FrameLoop& loop)
{
    if (!ramp_)
        return;
    Ramp& r = *ramp_;
    ++r.done;
    loop.panel().variables.set(r.token, r.from + (r.to - r.from) * r.done / r.frames);
    if (r.done >= r.frames)
        ramp_.reset();
}
