// The one place commands reach the panel. Whoever produced a command (a
// scenario line, the bench's keys and mouse, a recording flown again to
// restore a module) hands it to apply() between frames, so that it takes
// effect at the start of the next frame, and a ramp moves its variable at
// the start of each frame it spans. The host variables change only here
// (apart from the tick and what the module's own key events set), and
// whoever writes the session down hears every command as it is applied.
#pragma once

#include <optional>

#include "host/panel/frame_loop.h"
#include "host/script/command.h"

// Hears every command the executor applies, before it takes effect.
class CommandListener {
public:
    virtual ~CommandListener() = default;
    virtual void applied(const Command& command, FrameLoop& loop) = 0;
};

class CommandExecutor : private FrameStarter {
public:
    // Starts every frame of `loop` from now until it is destroyed.
    explicit CommandExecutor(FrameLoop& loop);
    ~CommandExecutor() override;
    CommandExecutor(const CommandExecutor&) = delete;
    CommandExecutor& operator=(const CommandExecutor&) = delete;

    // Applies one of the commands that tell the panel something: set,
    // ramp, click, press, release, fps, ticks_per_second. A click or press
    // comes back with what became of it; other commands with nothing.
    std::optional<PressOutcome> apply(const Command& command);

    void set_listener(CommandListener* listener) { listener_ = listener; }

    // A set, a ramp of one frame, a press or a release, as the bench makes them.
    static Command set(std::uint32_t token, double value);
    static Command ramp(std::uint32_t token, double from, double to, long frames);
    static Command press(const std::string& gauge, PixelPoint point, MouseButton button);
    static Command release();

private:
    // A ramp still moving its variable: the frames it has moved it for.
    struct Ramp {
        std::uint32_t token;
        double from, to;
        long frames, done = 0;
    };
    void frame_starting(FrameLoop& loop) override;
    PressOutcome press_or_click(const Command& command);

    FrameLoop& loop_;
    CommandListener* listener_ = nullptr;
    std::optional<Ramp> ramp_;
};
