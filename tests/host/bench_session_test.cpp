// The bench run on the module's real logic, on a screen that keeps the
// pictures it is shown and plays a person's input at set times of a clock
// of its own. What the session reports is what a window test reads.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <sstream>

#include <unistd.h>

#include "host/script/parse.h"
#include "host/bench/session.h"
#include "tests/host/scripted_screen.h"
#include "host/panel/element_chain.h"
#include "host/linked/native_platform.h"

namespace {

class Bench : public ::testing::Test {
protected:
    NativePlatform platform{ZOR_BITMAP_DIR, ZOR_ALERT_WAV, "C:\\Host\\host.exe"};
    GaugePanel panel{NativePlatform::linked_module(), platform};
    ScriptedScreen screen;
    std::ostringstream report;

    void SetUp() override { ASSERT_FALSE(panel.modules.connect()); }

    int fly(const std::string& scenario_text, const std::string& output_folder = ".")
    {
        const ParseResult script = parse(scenario_text, "bench.txt");
        EXPECT_TRUE(script.ok()) << script.report();
        BenchSession session(panel, platform, screen, report, {});
        return session.run(script.program, {.output_folder = output_folder, .watch = {}});
    }
    bool reported(const std::string& line) const
    {
        return ("\n" + report.str()).find("\n" + line + "\n") != std::string::npos;
    }
    std::optional<std::uint32_t> frame_of(std::size_t gauge, std::size_t element)
    {
        return icon_frame(*element_chain(*panel.placement.gauges()[gauge].header)[element]);
    }
};

// ZOR_1 at face size, its breaker scaled to width 45 beside it, bus on.
constexpr const char* zor_1_and_breaker =
    "place ZOR_1 0 0\nplace AZS_ZOR_1 370 0 45\nset bus_volts 27\nframes 2\nexpect window found\n";

TEST_F(Bench, ScenarioFliesLiveThenTheBenchTakesClicksOnScaledGauges)
{
    screen.inputs = {
        {1.0,
         [](BenchInputQueue& s) {
             s.button_down({392, 48}, MouseButton::left);
         }}, // breaker, face 14,31
        {1.1, [](BenchInputQueue& s) { s.button_up(); }},
        {2.0,
         [](BenchInputQueue& s) {
             s.button_down({330, 30}, MouseButton::right);
         }}, // units button
        {2.1, [](BenchInputQueue& s) { s.button_up(); }},
    };
    screen.close_at_seconds = 3.0;
    EXPECT_EQ(fly(zor_1_and_breaker), 0);
    EXPECT_TRUE(reported("scenario done: 2 frames, failed expectations: 0")) << report.str();
    EXPECT_TRUE(reported("press 392,48 left: AZS_ZOR_1 14,31 taken")) << report.str();
    EXPECT_TRUE(reported("press 330,30 right: ZOR_1 330,30 not taken by its area")) << report.str();
    EXPECT_EQ(frame_of(1, 1), 2u) << "the breaker closed";
    EXPECT_EQ(frame_of(0, 1), 0u) << "ZOR_1 lit in metres: the right click changed nothing";
    // About 18 frames a second of the bench's own, each shown.
    EXPECT_GT(screen.pictures, 45);
    EXPECT_NE(screen.last.status.find("BUS 27.0 V"), std::string::npos) << screen.last.status;
    // ZOR_1 sent its setting when it was opened: said as the pilot says it.
    EXPECT_NE(screen.last.status.find("   altimeter setting 1013 mb sent   "), std::string::npos) << screen.last.status;
    EXPECT_EQ(screen.last.help, bench_help_line());
}

TEST_F(Bench, TooltipShowsAfterARestAndCountsWhileTheKnobIsHeld)
{
    screen.inputs = {
        {0.5, [](BenchInputQueue& s) { s.key("B"); }}, // bus off: ZOR_1 holds 1013
        {1.0,
         [](BenchInputQueue& s) {
             s.pointer_moved({345, 310});
         }},
        {1.3, [&](BenchInputQueue&) { EXPECT_FALSE(screen.last.tooltip); }},
        {2.0, [&](BenchInputQueue&) { EXPECT_EQ(screen.last.tooltip, "1013"); }},
        {2.0, [](BenchInputQueue& s) { s.key("B"); }},
        {2.1,
         [](BenchInputQueue& s) {
             s.button_down({345, 310}, MouseButton::left);
         }},
        {3.1, [](BenchInputQueue& s) { s.button_up(); }},
        {3.5,
         [](BenchInputQueue& s) {
             s.pointer_moved({180, 180});
         }},
    };
    screen.close_at_seconds = 4.0;
    EXPECT_EQ(fly(zor_1_and_breaker + std::string("click AZS_ZOR_1 15 32\n")), 0);
    EXPECT_TRUE(reported("key B"));
    EXPECT_TRUE(reported("tooltip \"1013\"")) << report.str();
    // The press and the first frame's repeat, then a second of repeats at
    // 18 frames a second, step by step.
    EXPECT_TRUE(reported("tooltip \"1015\"")) << report.str();
    EXPECT_TRUE(reported("tooltip \"1025\"")) << report.str();
    EXPECT_TRUE(reported("tooltip none"));
    EXPECT_FALSE(screen.last.tooltip);
}

TEST_F(Bench, CursorChangesAreReportedWithTheGaugeAndFacePoint)
{
    screen.inputs = {
        {0.5,
         [](BenchInputQueue& s) {
             s.pointer_moved({40, 40});
         }},
        {0.6,
         [](BenchInputQueue& s) {
             s.pointer_moved({41, 41});
         }}, // the same cursor: no new line
        {0.7,
         [](BenchInputQueue& s) {
             s.pointer_moved({320, 310});
         }},
        {0.8,
         [](BenchInputQueue& s) {
             s.pointer_moved({350, 310});
         }},
        {0.9,
         [](BenchInputQueue& s) {
             s.pointer_moved({180, 180});
         }},
    };
    screen.close_at_seconds = 1.0;
    fly(zor_1_and_breaker);
    EXPECT_NE(report.str().find("cursor hand ZOR_1 40,40\ncursor down_arrow ZOR_1 320,310\n"
                                "cursor up_arrow ZOR_1 350,310\ncursor none ZOR_1 180,180\n"),
              std::string::npos)
        << report.str();
}

TEST_F(Bench, PauseStopsFramesStepRunsOneAndQuitEndsTheScenarioToo)
{
    long frames_when_paused = 0;
    screen.inputs = {
        {0.5, [](BenchInputQueue& s) { s.key("P"); }},
        {0.6, [&](BenchInputQueue&) { frames_when_paused = panel.life.frame_number(); }},
        {1.5, [&](BenchInputQueue&) { EXPECT_EQ(panel.life.frame_number(), frames_when_paused); }},
        {1.6, [](BenchInputQueue& s) { s.key("N"); }},
        {2.0, [&](BenchInputQueue&) { EXPECT_EQ(panel.life.frame_number(), frames_when_paused + 1); }},
        {2.1, [](BenchInputQueue& s) { s.key("Esc"); }},
    };
    screen.close_at_seconds = 60.0;
    fly(zor_1_and_breaker);
    EXPECT_NE(screen.last.status.find("PAUSED"), std::string::npos);
    EXPECT_TRUE(reported("key Esc"));
}

TEST_F(Bench, LiveScenarioStillWritesItsSnapshotsAndSheet)
{
    const auto out = std::filesystem::temp_directory_path() / ("zor-bench-" + std::to_string(::getpid()));
    std::filesystem::create_directories(out);
    screen.close_at_seconds = 0.5;
    EXPECT_EQ(fly(zor_1_and_breaker + std::string("snapshot live.png ZOR_1 xray\nmoment one\nsheet sheet.png\n"),
                  out.string()),
              0);
    EXPECT_GT(std::filesystem::file_size(out / "live.png"), 1000u);
    EXPECT_GT(std::filesystem::file_size(out / "sheet.png"), 1000u);
    std::filesystem::remove_all(out);
}

TEST_F(Bench, QuittingDuringTheScenarioEndsItThere)
{
    screen.inputs = {{0.2, [](BenchInputQueue& s) { s.key("Esc"); }}};
    EXPECT_EQ(fly("place ZOR_1 0 0\nframes 100\nexpect key 1 1\n"), 0);
    EXPECT_LE(panel.life.frame_number(), 6);
    EXPECT_TRUE(
        reported("scenario done: " + std::to_string(panel.life.frame_number()) + " frames, failed expectations: 0"));
}

TEST_F(Bench, AScenarioWithABadLastLineFliesNoFrameAndOpensNoBench)
{
    EXPECT_EQ(fly("place ZOR_1 0 0\nrealtime on\nframes 100\nclick ZOR_9 45 315\n"), -1);
    EXPECT_TRUE(reported("bench.txt:4: no gauge 'ZOR_9' is placed")) << report.str();
    EXPECT_EQ(panel.life.frame_number(), 0);
    EXPECT_EQ(screen.pictures, 0);
}

TEST_F(Bench, WithoutAScenarioTheDemoPanelOpensPoweredWithBreakersOpen)
{
    screen.close_at_seconds = 0.5;
    const ParseResult demo = parse_file(std::string(ZOR_SCENARIO_DIR) + "/bench_demo.txt");
    ASSERT_TRUE(demo.ok()) << demo.report();
    BenchSession session(panel, platform, screen, report, {.xray = true});
    EXPECT_EQ(session.run(demo.program, {}), 0);
    ASSERT_EQ(panel.placement.gauges().size(), 4u);
    EXPECT_EQ(panel.placement.gauges()[2].label, "AZS_ZOR_1");
    EXPECT_EQ(panel.placement.gauges()[3].width, 45);
    EXPECT_EQ(panel.variables.get(token_bus_volts), 27.0);
    EXPECT_EQ(frame_of(2, 1), 0u);
    EXPECT_NE(screen.last.status.find("X-RAY"), std::string::npos);
    EXPECT_TRUE(reported("bench ready at 18 fps"));
}

} // namespace
