// A bench session written down as a scenario while it happens, so that it
// can be kept, sent and flown again: between `recording begin` and
// `recording end` (a file without its end was cut short), the placement,
// variables and pace the panel opened with, then the log of every command
// the executor applied (printed with `print`), the frames between them,
// pauses as `pause`, and on request the `expect` lines for what the panel
// shows. Frames since the last command stand as one `frames` line that
// grows in place, and a ramp that the next ramp carries on at the same step
// (the bench's climb is a ramp of one frame each frame) grows the same
// way, so the text (and the file it goes to) is complete after every frame.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "host/bench/growing_text.h"
#include "host/panel/frame_loop.h"
#include "host/script/executor.h"

class SessionRecorder : public CommandListener, public FrameObserver {
public:
    // `file` gets the text as it grows, flushed after every frame; it must
    // be seekable (the growing line is written again in its place). It may
    // be null: the text is kept all the same. `now_seconds` is the
    // session's clock, for the length of pauses.
    SessionRecorder(std::ostream* file, std::function<double()> now_seconds);

    // The recording's end mark, after its last line: a file without it was
    // cut short.
    void finish();
    // The text so far with the end mark after it, to be flown again.
    std::string text_so_far_closed() const;

    // A comment line at this point ("# " is added).
    void comment(const std::string& text);

    // The panel stands still from now, or runs again; a single frame while
    // paused is written as a frame of its own between two pauses.
    void set_paused(bool paused);

    // Where the panel is now: a line of `expect` for every element's frame,
    // every needle's angle and hidden flag, the last key event and the key
    // count, and the sound the last frame asked for.
    void expect_now(FrameLoop& loop, const std::vector<std::string>& last_frame_sounds);

    const std::string& text() const { return text_.text(); }

    void applied(const Command& command, FrameLoop& loop) override;
    void frame_ran(FrameLoop& loop, const FrameResult& frame) override;

private:
    // The lines since the last command: a run of plain frames, or a ramp
    // and the frames of it flown so far.
    struct Run {
        long frames = 0;
        std::optional<Command> ramp;
        bool stepped = false; // one frame asked for while paused
    };

    void open_with(FrameLoop& loop);
    void ramp_applied(const Command& ramp);
    bool carries_on(const Command& ramp) const;
    void write_command(const Command& command, const std::string& comment = "");
    void settle_run();
    void write_run();
    void write_pause();

    GrowingText text_; // its tail is the run
    std::function<double()> now_seconds_;
    Run run_;
    bool opened_ = false;
    bool paused_ = false;
    double pause_start_ = 0.0;
    std::optional<std::size_t> press_line_; // a press no frame has followed yet
};
