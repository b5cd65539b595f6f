// The one place frames of the panel run. Every run takes its frames from a
// FrameLoop: a headless scenario, the live bench and anything that follows
// them. Each frame it moves the tick on at the pace set, runs the gauges'
// codes in order (GaugeLife::run_frame), gathers what the frame produced
// into a FrameResult and hands that to every observer.
//
// Before the gauges' codes run, the loop's starter (the command executor,
// host/script/executor.h) applies what this frame is to start with, so
// that whoever runs the frame, the panel is told the same way.
//
// Observers: whatever must see every frame (the trace writer, the bench's
// window, a recorder of a session, a film writer) subscribes once with
// add_observer() and is called after each frame, in the order subscribed,
// with the loop and that frame's result. It reads the rest from the panel
// as the frame left it (the elements' values through element_chain.h, the
// host variables) and asks picture() for the drawn panel, which is drawn
// once a frame, and only when someone asks: drawing and reading a value
// both call the module's callbacks, so the loop calls none that nobody
// wants. An observer must not run frames itself.
//
// The loop keeps the panel's canvas: whoever shows the panel (a picture of
// a scenario, the bench's window) draws it through the loop.
#pragma once

#include <chrono>
#include <string>
#include <vector>

#include "host/panel/frame_pace.h"
#include "host/panel/frame_pacer.h"
#include "host/panel/gauge_panel.h"
#include "host/panel/panel_canvas.h"

// What one frame produced.
struct FrameResult {
    // clang-format off
    long frame = 0;                              // the panel's frame number, the first is 1
    double seconds = 0.0;                        // the run's time at the frame: its frames at their pace
    std::vector<SentClick>    clicks;            // sent to the gauges before and during this frame
    std::vector<SentKeyEvent> key_events;        // sent by the gauges during this frame
    std::vector<std::string>  sound_requests;    // the module's sound calls since the last frame
    FrameClock::Clock::time_point started{};     // on the run's clock
    double work_us = 0.0;                        // the gauges' codes, on the machine's clock
    // clang-format on
};

class FrameLoop;

class FrameObserver {
public:
    virtual ~FrameObserver() = default;
    virtual void frame_ran(FrameLoop& loop, const FrameResult& frame) = 0;
};

class FrameStarter {
public:
    virtual ~FrameStarter() = default;
    virtual void frame_starting(FrameLoop& loop) = 0;
};

class FrameLoop {
public:
    // A live loop follows the clock from the start and whatever it is told
    // later: a person is watching.
    FrameLoop(GaugePanel& panel, HostPlatform& platform, FrameClock& clock = system_frame_clock(), bool live = false);

    GaugePanel& panel() { return panel_; }
    HostPlatform& platform() { return platform_; }
    FrameClock& clock() { return clock_; }

    const FramePace& pace() const { return pace_; }
    void set_pace(FramePace pace);
    // Frames from now on wait for their time, or run as fast as they can.
    void follow_clock(bool on);
    bool follows_clock() const { return follows_clock_; }

    // Lets the system deliver its messages, then waits for the next
    // frame's time when following the clock (at once otherwise); false
    // when the clock's watcher ended the run meanwhile. Messages are
    // answered here, between frames, and never inside one.
    bool wait_for_next_frame();
    // One frame, now, handed to every observer; valid until the next.
    const FrameResult& run_frame();

    // The panel was started over and run by another loop (a reload flying
    // the session again): what it holds now is no frame of this one.
    void panel_ran_elsewhere();

    // The one starter of every frame; null for none.
    void set_starter(FrameStarter* starter) { starter_ = starter; }
    void add_observer(FrameObserver& observer);
    void remove_observer(FrameObserver& observer);
    // The panel as the last frame left it, drawn the first time it is asked
    // for after that frame; valid until the panel is drawn again.
    const Image& picture();
    // The panel, or one gauge's face at its own size, drawn now, whether or
    // not this frame was; valid until the panel is drawn again.
    const Image& draw_panel();
    const Image& draw_gauge(std::size_t gauge);

private:
    GaugePanel& panel_;
    HostPlatform& platform_;
    FrameClock& clock_;
    const bool live_;
    FramePace pace_;
    bool follows_clock_ = false;
    FramePacer pacer_;
    FrameStarter* starter_ = nullptr;
    std::vector<FrameObserver*> observers_;
    std::size_t keys_seen_ = 0;
    double seconds_ = 0.0; // the run's time at the next frame
    FrameResult last_;
    PanelCanvas canvas_;
    const Image* picture_ = nullptr;
    long picture_frame_ = -1;
};
