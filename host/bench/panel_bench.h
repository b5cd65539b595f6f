// The panel bench: the panel flown live by a person. It turns keys into
// actions on the flight and the bench (what changes the aircraft goes to
// the panel as commands, through the executor), runs frames unless paused, keeps
// what the status strip shows (the tone, the last key event the module
// sent) and writes that strip. The window around it only draws and passes
// the keys, the mouse and the clock on.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "host/bench/controls.h"
#include "host/bench/flight.h"
#include "host/panel/frame_loop.h"
#include "host/panel/gauge_panel.h"
#include "host/script/executor.h"

class PanelBench {
public:
    // Frames run at the loop's pace, as the scenario left it; `executor`
    // starts the loop's frames.
    PanelBench(FrameLoop& loop, CommandExecutor& executor);

    // The action bound to the key, done; nullopt for a key without one.
    std::optional<BenchAction> press_key(const std::string& key);
    void apply(BenchAction action);

    // A frame of the bench's own: the flight's climb for it applied, then
    // the loop runs the panel. While paused nothing runs, unless one frame was asked for.
    bool run_frame();
    // What a frame showed, whoever ran it (the bench or a scenario).
    void frame_ran(const FrameResult& frame);
    // The sound calls the last frame made.
    const std::vector<std::string>& last_sound_requests() const { return last_sound_requests_; }

    // A line for the strip under the panel, such as how a reload went.
    void set_note(const std::string& note) { note_ = note; }
    const std::string& note() const { return note_; }

    // "ALT 120 m   VS +5 m/s   BUS 27.0 V   SIM QNH 1013.0 mb   ..."
    std::string status_line(double shown_fps) const;

    bool paused() const { return paused_; }
    bool xray() const { return xray_; }
    void set_xray(bool on) { xray_ = on; }
    bool quit_asked() const { return quit_; }
    bool tone_playing() const { return tone_playing_; }

    BenchFlight flight;

private:
    void apply_all(const std::vector<Command>& commands);

    FrameLoop& loop_;
    CommandExecutor& executor_;
    GaugePanel& panel_;
    bool paused_ = false;
    bool step_asked_ = false;
    bool xray_ = false;
    bool quit_ = false;
    bool tone_playing_ = false;
    std::vector<std::string> last_sound_requests_;
    std::string note_;
};
