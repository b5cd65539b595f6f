// A bench session written down as a scenario while it happens, so that it
// can be kept, sent and flown again: between `recording begin` and
// `recording end` (a file without its end was cut short), the placement and pace the panel opened
// with, then its frames with every host-variable change (a steady climb as
// one `ramp`), press and release between them, pauses as `pause`, and on
// request the `expect` lines for what the panel shows. The frames since the
// last event stand as one line that grows in place, so the text (and the
// file it goes to) is complete after every frame.
#pragma once

#include <cstdint>
#include <algorithm>
#include <functional>
#include <map>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "host/bench/growing_text.h"
#include "host/panel/gauge_panel.h"
#include "host/script/command.h"

class SessionRecorder : public PanelWatcher {
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
    void expect_now(GaugePanel& panel, const std::vector<std::string>& last_frame_sounds);

    // After the panel was brought back to where it was by flying the text
    // so far: its variables are the base of the next change again.
    void resume(const GaugePanel& panel);

    const std::string& text() const { return text_.text(); }

    void frame_starting(const GaugePanel& panel) override;
    void frame_ended(const GaugePanel& panel) override;
    void pressed(const GaugePanel& panel, std::size_t gauge, PixelPoint point, MouseButton button, bool held) override;
    void press_taken(const GaugePanel& panel) override;
    void released(const GaugePanel& panel) override;

private:
    using Values = std::map<std::uint32_t, double>;
    // One variable moving by the same step every frame.
    struct Ramp {
        std::uint32_t token;
        double from; // before its first frame
        double last;
        double step;
        long frames;
    };
    // The lines since the last event: sets, then a run of plain frames or
    // a ramp. They are written again whenever the run grows.
    struct Run {
        std::string sets;
        long frames = 0;
        std::optional<Ramp> ramp;
        bool stepped = false; // one frame asked for while paused
    };

    void open_with(const GaugePanel& panel);
    void follow_pace(const GaugePanel& panel);
    void event_line(Verb verb, std::vector<Value> arguments, const GaugePanel& panel);
    void settle_run();
    void write_run();
    void write_fixed(const std::string& lines);
    bool continues(const Ramp& ramp, const Values& now) const;
    Values before_without_tick(const Values& now) const;
    void start_run(const Values& now);
    void write_sets_since_frame(const Values& now);
    void write_pause();

    GrowingText text_; // its tail is the run
    std::function<double()> now_seconds_;
    Run run_;
    bool opened_ = false;
    Values before_; // the variables after the last frame
    double frames_per_second_ = 0.0, ticks_per_second_ = 0.0;
    bool held_ = false;
    bool paused_ = false;
    double pause_start_ = 0.0;
    std::optional<std::size_t> press_line_; // a press no frame has followed yet
};
