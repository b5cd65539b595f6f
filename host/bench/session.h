// The bench run: a scenario flown live in the window (the demo panel's when
// none is given), then frames at the scenario's pace under the
// person's hand until they quit. The window is a screen that shows what it
// is given and queues the person's keys and mouse; the session takes the
// queue at the start of each frame, makes commands of it for the executor
// (one press hit-tested once, its outcome reported), and reports what it
// did, one line each, so a test can follow it.
#pragma once

#include <chrono>
#include <functional>
#include <optional>
#include <ostream>
#include <string>

#include "host/bench/bench_input.h"
#include "host/bench/frame_rate.h"
#include "host/bench/module_follower.h"
#include "host/bench/session_recorder.h"
#include "host/bench/panel_bench.h"
#include "host/bench/pointer.h"
#include "host/scenario/runner.h"
#include "host/panel/frame_loop.h"
#include "host/panel/xray_overlay.h"

// One picture of the bench, as the window shows it.
struct BenchView {
    const Image* panel = nullptr; // X-ray included when it is on
    std::string status;
    std::string help;
    std::string note;                   // how a reload went, a crash; empty for none
    std::optional<std::string> tooltip; // shown near the pointer
    PixelPoint pointer{};               // in panel pixels
    std::int32_t cursor = cursor_none;  // the host's cursor at the pointer
};

class BenchSession;

class BenchScreen {
public:
    using Clock = std::chrono::steady_clock;
    virtual ~BenchScreen() = default;
    virtual void show(const BenchView& view, BenchSession& session) = 0;
    // Answers the system's messages until `due`, the person's input going
    // to `input`; sooner once a close is queued.
    virtual void wait_until(Clock::time_point due) = 0;
    virtual Clock::time_point now() { return Clock::now(); }

    // What the person did since the session last took it.
    BenchInputQueue input;
};

struct BenchOptions {
    // clang-format off
    bool   xray = false;              // start with the X-ray view on
    double seconds = 0.0;             // end by itself after this long; 0 never
    double report_every_seconds = 10.0;
    std::string film_path{};          // a film of the whole session; none when empty
    // Writes the session down; a reload flies it again to bring the
    // module back to where it was. Null: neither.
    SessionRecorder* recorder = nullptr;
    ModuleFollower*  follower = nullptr; // the module file, when followed
    Reporter*        reporter = nullptr; // the scenario's outcomes; told on the report when null
    // clang-format on
};

// The session takes every frame from its loop, which keeps the screen's
// clock and waits on it; the window shows each frame as it runs, the
// scenario's and the bench's own alike.
class BenchSession : private FrameClock, private FrameObserver {
public:
    BenchSession(GaugePanel& panel, HostPlatform& platform, BenchScreen& screen, std::ostream& report,
                 BenchOptions options);

    // Flies the scenario, then the bench; the number of failed
    // expectations, or -1 when the scenario stopped on a line it could not
    // run. `trace` gets every frame, the scenario's and the bench's.
    int run(const Program& scenario, ScenarioOptions scenario_options, std::ostream* trace = nullptr);

    std::ostream& report() { return report_; }
    // The fault, when the module crashed: from then on the bench runs no
    // frames and calls nothing of the module, and waits to be closed.
    const std::optional<std::string>& crash() const { return crash_; }
    // Whether a picture or the film of the run could not be written (said
    // in the report).
    bool output_failed() const { return output_failed_; }
    const PanelBench& bench() const { return bench_; }
    // The session written down as it flies; null when nothing records it.
    const SessionRecorder* recorder() const { return options_.recorder; }
    const FrameRate& frame_rate() const { return frame_rate_; }

private:
    BenchScreen::Clock::time_point now() override { return screen_.now(); }
    bool wait_until(BenchScreen::Clock::time_point due) override;
    void frame_ran(FrameLoop& loop, const FrameResult& frame) override;
    // The screen's queue, taken at the start of a frame: every input in
    // the order it came.
    void take_input();
    void key(const std::string& name);
    void pointer_at(PixelPoint panel);
    void pointer_left();
    void button_down(PixelPoint panel, MouseButton button);
    void button_up();
    void fly_bench();
    void fly_bench_crashed();
    // Module work under the platform's guard; false once the module crashed.
    bool guarded(const std::function<void()>& work);
    void crashed(const std::string& fault);
    void mark();
    void follow_module_file();
    void reload(const ModuleOffer& offer);
    // Shows the panel drawn for the frame that began at `work_start`, the
    // X-ray over it, the strip and the tooltip.
    void present(const Image& picture, BenchScreen::Clock::time_point work_start);
    std::optional<std::string> tooltip_now();
    double seconds_since_start() const;

    GaugePanel& panel_;
    HostPlatform& platform_;
    BenchScreen& screen_;
    std::ostream& report_;
    BenchOptions options_;
    FrameLoop loop_;
    CommandExecutor executor_; // starts every frame of the loop
    PanelBench bench_;
    XrayOverlay xray_;
    TooltipRest tooltip_rest_;
    FrameRate frame_rate_;
    BenchScreen::Clock::time_point start_;
    std::optional<GaugePoint> pointer_gauge_;
    PixelPoint pointer_{};
    std::optional<std::string> tooltip_reported_;
    std::int32_t cursor_ = cursor_none;
    std::string cursor_reported_ = "none";
    bool button_held_ = false; // a press went to a gauge and is not yet let go
    bool tone_reported_ = false;
    double next_report_seconds_ = 0.0;
    std::optional<std::string> crash_;
    bool output_failed_ = false;
    const Image* last_picture_ = nullptr; // shown again once the module crashed
    Image kept_picture_;                  // that picture, kept over a reload
};

// The demo panel's scenario, beside the host (the build puts a copy there,
// as the release's Bench folder holds it).
std::string bench_demo_path(const std::string& host_folder);
