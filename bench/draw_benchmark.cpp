// What drawing costs the live panel: the demo's four gauges flown natively
// through a climb, each measured call wrapped in callgrind's client requests
// so that a run under `valgrind --tool=callgrind --collect-atstart=no` dumps
// one profile per call, named after what it measured. Run outside valgrind,
// it prints the wall-clock medians instead. scripts/draw-benchmark.sh runs
// both and prints the figures.
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include <valgrind/callgrind.h>

#include "host/script/parse.h"
#include "host/raster/contact_sheet.h"
#include "host/raster/png_file.h"
#include "host/panel/gauge_panel.h"
#include "host/panel/panel_canvas.h"
#include "host/panel/variables.h"
#include "host/base/median.h"
#include "host/linked/build_files.h"
#include "host/linked/native_platform.h"
#include "host/scenario/runner.h"

#ifndef ZOR_SCENARIO_DIR
#error "the build names the scenarios folder"
#endif

namespace {

// The bench's demo panel (scenarios/bench_demo.txt) places them in this order.
constexpr std::size_t zor_1 = 0, zor_2 = 1, breaker_1 = 2, breaker_2 = 3;
constexpr PixelPoint breaker_lever = {15, 32};
constexpr PixelPoint units_button = {325, 25};
constexpr PixelPoint brightness_switch = {40, 40};

constexpr double bus_volts = 27.5;
constexpr int settle_frames = 36;
// The demo's climb: 850 m in 60 frames, so the needle turns about five
// degrees and the lower digits change every frame.
constexpr double climb_m_per_frame = 850.0 / 60;
constexpr int climb_warmup_frames = 18;
constexpr int measured_climb_frames = 36;
// A contact sheet the size of the demo's: nine moments of the panel, four
// to a row, four of them taken in the climb.
constexpr int climb_frames_per_moment = 9;
constexpr int sheet_columns = 4;
constexpr int wall_clock_repeats = 200;

class DrawBenchmark {
public:
    // The reason when the linked module cannot be driven.
    std::optional<std::string> set_up()
    {
        if (auto refused = panel_.modules.connect())
            return refused;
        const ParseResult demo = parse_file(std::string(ZOR_SCENARIO_DIR) + "/bench_demo.txt");
        if (!demo.ok())
            return demo.report();
        FrameLoop loop(panel_, platform_);
        std::ostringstream report;
        if (ScenarioRunner(loop, {}, report).run(demo.program).script_error)
            return report.str();
        if (panel_.placement.gauges().size() <= breaker_2)
            return std::string("the module offers not every gauge of the demo panel");
        return std::nullopt;
    }

    void run()
    {
        power_up();
        measure("cold draw", [&] { canvas_.draw_panel(panel_.placement); });
        take_moment("breakers closed");
        for (int i = 0; i < settle_frames; ++i)
            frame_and_draw();
        panel_.life.run_frame();
        measure("still draw", [&] { canvas_.draw_panel(panel_.placement); });

        for (int i = 0; i < climb_warmup_frames; ++i)
            climb_frame_and_draw();
        for (int i = 0; i < measured_climb_frames; ++i) {
            climb_one_frame();
            measure("climb draw", [&] { canvas_.draw_panel(panel_.placement); });
            if (i % climb_frames_per_moment == 0)
                take_moment("climbing, " + std::to_string(static_cast<int>(altitude_m_)) + " m");
        }
        time_draws();
        settle_and_take_moment("level");

        panel_.input.click(zor_1, units_button, MouseButton::left);
        panel_.life.run_frame();
        measure("switch draw", [&] { canvas_.draw_panel(panel_.placement); });
        settle_and_take_moment("ZOR_1 in feet");
        panel_.input.click(zor_1, brightness_switch, MouseButton::left);
        panel_.input.click(zor_2, brightness_switch, MouseButton::left);
        settle_and_take_moment("both dimmed");
        panel_.input.click(breaker_1, breaker_lever, MouseButton::left);
        panel_.input.click(breaker_2, breaker_lever, MouseButton::left);
        settle_and_take_moment("breakers open");

        const Image sheet = contact_sheet(moments_, sheet_columns);
        std::printf("contact sheet: %d moments, %dx%d pixels\n", static_cast<int>(moments_.size()), sheet.width,
                    sheet.height);
        measure("sheet png", [&] { write_png(sheet, sheet_path()); });
        std::filesystem::remove(sheet_path());
        time_png(sheet);
    }

private:
    void power_up()
    {
        panel_.variables.set(token_bus_volts, bus_volts);
        panel_.life.open();
        panel_.input.click(breaker_1, breaker_lever, MouseButton::left);
        panel_.input.click(breaker_2, breaker_lever, MouseButton::left);
        for (int i = 0; i < settle_frames; ++i)
            panel_.life.run_frame();
    }

    void take_moment(const std::string& caption)
    {
        moments_.push_back({caption, canvas_.draw_panel(panel_.placement)});
    }

    void settle_and_take_moment(const std::string& caption)
    {
        for (int i = 0; i < settle_frames; ++i)
            frame_and_draw();
        take_moment(caption);
    }

    static std::string sheet_path()
    {
        return (std::filesystem::temp_directory_path() / "zor_draw_benchmark_sheet.png").string();
    }

    void frame_and_draw()
    {
        panel_.life.run_frame();
        canvas_.draw_panel(panel_.placement);
    }

    void climb_one_frame()
    {
        altitude_m_ += climb_m_per_frame;
        panel_.variables.set(token_altitude, altitude_m_);
        panel_.life.run_frame();
    }

    void climb_frame_and_draw()
    {
        climb_one_frame();
        canvas_.draw_panel(panel_.placement);
    }

    // Collects the call's instructions alone and dumps them under `what`;
    // outside valgrind the client requests cost a few instructions.
    void measure(const char* what, const std::function<void()>& call)
    {
        CALLGRIND_TOGGLE_COLLECT;
        call();
        CALLGRIND_TOGGLE_COLLECT;
        CALLGRIND_DUMP_STATS_AT(what);
    }

    // Outside valgrind: wall-clock medians of the still and the climbing
    // draws, the climb going on.
    void time_draws()
    {
        if (RUNNING_ON_VALGRIND)
            return;
        std::vector<double> still, climb;
        for (int i = 0; i < wall_clock_repeats; ++i) {
            panel_.life.run_frame();
            still.push_back(timed([&] { canvas_.draw_panel(panel_.placement); }));
            climb_one_frame();
            climb.push_back(timed([&] { canvas_.draw_panel(panel_.placement); }));
        }
        std::printf("wall clock, median of %d: still draw %.1f us, climb draw %.1f us\n", wall_clock_repeats,
                    median(still), median(climb));
    }

    void time_png(const Image& sheet)
    {
        if (RUNNING_ON_VALGRIND)
            return;
        const double png = timed([&] { write_png(sheet, sheet_path()); });
        std::filesystem::remove(sheet_path());
        std::printf("wall clock: sheet png %.1f ms\n", png / 1000);
    }

    static double timed(const std::function<void()>& call)
    {
        const auto start = std::chrono::steady_clock::now();
        call();
        return std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - start).count();
    }

    NativePlatform platform_{built_bitmap_folder, built_alert_tone, "C:\\Host\\zor_host.exe"};
    GaugePanel panel_{NativePlatform::linked_module(), platform_};
    PanelCanvas canvas_; // the panel as the bench window draws it
    double altitude_m_ = 0.0;
    std::vector<SheetMoment> moments_;
};

} // namespace

int main()
{
    DrawBenchmark benchmark;
    if (const auto refused = benchmark.set_up()) {
        std::fprintf(stderr, "%s\n", refused->c_str());
        return 1;
    }
    benchmark.run();
    return 0;
}
