// The panel: the module's gauges placed by name, driven through their life
// one frame at a time, drawn, and clicked, as the simulator's panel system
// does with a panel configuration.
#pragma once

#include <deque>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "host/panel/gauge_drawing.h"
#include "host/panel/panel_canvas.h"
#include "host/panel/platform.h"
#include "host/panel/services.h"
#include "host/panel/variables.h"
#include "host/panel/mouse_areas.h"

// The largest panel the host draws, in pixels a side; a gauge is placed at
// most this big.
inline constexpr int panel_side_limit = image_side_limit;

// A click or press as the host sent it to a gauge.
struct SentClick {
    std::string label;
    PixelPoint point;
    MouseButton button;
};

struct HeldButton {
    std::size_t gauge;
    PixelPoint point;
    MouseButton button;
};

// What became of a click or press: the gauge it went to, the mouse area
// under it (none for a point outside every area) and whether that area
// took the button. Found once, when the press reaches the gauge.
struct PressOutcome {
    std::size_t gauge = 0;
    const MouseRect* area = nullptr;
    bool taken = false;
};

// The reason a module's records cannot be driven by this host, if any.
std::optional<std::string> module_refusal(const LoadedModule& module);

class GaugePanel {
public:
    // A panel of one module, connected by connect().
    GaugePanel(LoadedModule module, HostPlatform& platform);
    // A panel with no module yet: they come by add_module().
    explicit GaugePanel(HostPlatform& platform);

    // Checks Linkage and hands every module this host's services; the
    // reason when a module is not one this host can drive.
    std::optional<std::string> connect();
    // Another module beside those the panel has, checked and connected as
    // by connect(); its number for place(), or the reason it cannot be.
    std::optional<std::size_t> add_module(LoadedModule module, std::string& refused);
    std::size_t module_count() const { return modules_.size(); }

    const LinkageRecord& linkage(std::size_t module = 0) const { return *modules_.at(module).records.linkage; }
    GaugeHeader* gauge_named(const std::string& name, std::size_t module = 0) const;

    // Without a width the gauge keeps its face size; a width alone keeps
    // its aspect ratio. Returns the label, or nullopt for an unknown name.
    // By name alone the gauge comes from the first module offering it.
    std::optional<std::string> place(const std::string& name, int x, int y, std::optional<int> width);
    std::optional<std::string> place(std::size_t module, const std::string& name, int x, int y,
                                     std::optional<int> width, std::optional<int> height = std::nullopt);
    // The size place() gives the gauge, asked before placing it; nullopt
    // for an unknown name.
    std::optional<FaceSize> placed_size(std::size_t module, const std::string& name, std::optional<int> width,
                                        std::optional<int> height = std::nullopt) const;
    void set_backdrop(PanelBackdrop backdrop) { canvas_.set_backdrop(std::move(backdrop)); }
    const PlacedGauge* placed(const std::string& label) const;
    std::size_t index_of(const std::string& label) const;
    const std::vector<PlacedGauge>& gauges() const { return gauges_; }

    // Query, install and initialise every gauge, then tell each that the
    // panel window exists.
    void open();
    bool is_open() const { return open_; }
    // One frame: the tick moves on, held buttons repeat, then update,
    // generate and draw calls for every gauge in placement order.
    void run_frame();
    void close();
    long frame_number() const { return frame_; }

    // Frames a second and the tick variable's rate; the tick moves on by
    // their ratio each frame.
    void set_pace(double frames_per_second, double ticks_per_second);
    double frames_per_second() const { return frames_per_second_; }
    double ticks_per_second() const { return ticks_per_second_; }

    // Another module in place of all the panel's, the panel empty as if
    // new: no gauges, the variables as at the start, no key events. The
    // old modules' gauges must have been closed.
    void start_over(LoadedModule module);

    // Each step of the gauges' life sends two service codes, as the
    // simulator does; without the second, a run shows that the first alone
    // does the module's work.
    void send_second_codes(bool send) { second_codes_ = send; }

    PressOutcome click(std::size_t gauge, PixelPoint point, MouseButton button);
    PressOutcome press(std::size_t gauge, PixelPoint point, MouseButton button);
    void release();
    // The clicks and presses sent since the last call, oldest first.
    std::vector<SentClick> take_clicks() { return std::exchange(clicks_, {}); }

    MouseTarget mouse_at(std::size_t gauge, PixelPoint point) const;
    std::optional<std::string> tooltip_at(std::size_t gauge, PixelPoint point);

    // A gauge's face at its own size, and the whole panel. Both ask every
    // shown element's callback, and stay valid until the next draw.
    const Image& draw_gauge(std::size_t gauge);
    const Image& draw_panel();
    // The first module's bitmaps, each decoded once for every use of this
    // panel; each placed gauge names its own module's.
    BitmapCache& bitmaps() { return *modules_.front().bitmaps; }

    HostVariables variables;
    HostServices services{variables};

private:
    PressOutcome deliver(std::size_t gauge, PixelPoint point, MouseButton button);
    void each_gauge(std::int32_t first_code, void (*routine)(GaugeHeader&, HostWord));

    struct Module {
        LoadedModule records;
        BitmapCache* bitmaps = nullptr;
    };
    std::optional<std::string> connect(Module& module);

    HostPlatform& platform_;
    std::deque<BitmapCache> bitmap_caches_; // one per module, never moved
    std::vector<Module> modules_;
    std::vector<PlacedGauge> gauges_;
    PanelCanvas canvas_;
    std::optional<HeldButton> held_;
    std::vector<SentClick> clicks_;
    double tick_ = 0.0;
    double ticks_per_frame_ = 1.0;
    double frames_per_second_ = 18.0;
    double ticks_per_second_ = 18.0;
    long frame_ = 0;
    bool open_ = false;
    bool second_codes_ = true;
};
