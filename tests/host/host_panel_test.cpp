// The panel driving the real module logic through its Linkage: the trapped
// service entries, the mouse areas as the host reads them, drawing.
#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <sstream>
#include <utility>

#include "host/script/parse.h"
#include "host/panel/element_chain.h"
#include "host/panel/gauge_panel.h"
#include "host/panel/panel_canvas.h"
#include "host/scenario/runner.h"
#include "host/script/executor.h"
#include "host/script/print.h"
#include "host/linked/native_platform.h"
#include "sound/alert_tone_player.h"

namespace {

class Panel : public ::testing::Test {
protected:
    NativePlatform platform{ZOR_BITMAP_DIR, ZOR_ALERT_WAV, "C:\\Host\\host.exe"};
    GaugePanel panel{NativePlatform::linked_module(), platform};
    PanelCanvas canvas;
    void SetUp() override { ASSERT_FALSE(panel.modules.connect()); }
};

TEST_F(Panel, EntriesTheModuleDoesNotUseAreTrappedWithTheirNumber)
{
    std::vector<int> trapped;
    const auto report_fault = std::exchange(HostServices::on_fault, [&](int entry) { trapped.push_back(entry); });
    auto** words = reinterpret_cast<void(HOSTCALL**)()>(panel.services.table());
    for (int entry : {0, 23, 30, 32, 35, 37, 39})
        words[entry]();
    HostServices::on_fault = report_fault; // the hook goes with its test
    EXPECT_EQ(trapped, (std::vector<int>{0, 23, 30, 32, 35, 37, 39}));
}

TEST_F(Panel, LifecycleReachesTheElementServicesThroughTheHeaderRoutines)
{
    ASSERT_TRUE(panel.placement.place("ZOR_1", 0, 0, std::nullopt));
    ASSERT_TRUE(panel.placement.place("AZS_ZOR_2", 0, 0, 60));
    ASSERT_FALSE(panel.placement.place("ZOR_3", 0, 0, std::nullopt));
    panel.life.run_frame();
    panel.life.run_frame();
    panel.life.close();
    auto& calls = panel.services.element_list_calls;
    for (int entry : {24, 25, 26, 31})
        EXPECT_EQ(calls[entry], 2) << entry;
    for (int entry : {27, 28, 29})
        EXPECT_EQ(calls[entry], 4) << entry;
    // Opening the panel sent ZOR_1's setting once.
    EXPECT_EQ(panel.services.key_events, (std::vector<SentKeyEvent>{{66040, 1013 * 16}}));
}

// Without the second code of each step, the first still sets the tone up
// on opening and gives it back on closing.
TEST_F(Panel, TheFirstCodeOfEachStepAloneSetsTheToneUpAndGivesItBack)
{
    ASSERT_TRUE(panel.placement.place("ZOR_1", 0, 0, std::nullopt));
    panel.life.send_second_codes(false);
    panel.life.open();
    EXPECT_EQ(alert_tone_state(), AlertToneState::ready);
    panel.life.close();
    EXPECT_EQ(alert_tone_state(), AlertToneState::not_set_up);
}

TEST_F(Panel, PlacedSizeScalesTheFaceKeepingItsShape)
{
    ASSERT_EQ(panel.placement.place("ZOR_1", 0, 0, 180), "ZOR_1");
    ASSERT_EQ(panel.placement.place("ZOR_1", 200, 0, std::nullopt), "ZOR_1#2");
    EXPECT_EQ(panel.placement.gauges()[0].height, 179); // 358 x 180 / 361 = 178.5, rounded up
    EXPECT_EQ(panel.placement.gauges()[1].width, 361);
    const Image picture = canvas.draw_panel(panel.placement);
    EXPECT_EQ(picture.width, 561);
    EXPECT_EQ(picture.height, 358);
}

// A canvas keeps what it drew; a new backdrop, or the panel started over
// with the same gauge at the same place, is drawn afresh all the same.
TEST_F(Panel, CanvasDrawsANewBackdropAndAPanelStartedOverAfresh)
{
    ASSERT_TRUE(panel.placement.place("ZOR_1", 0, 0, std::nullopt));
    panel.life.run_frame();
    EXPECT_EQ(canvas.draw_panel(panel.placement).width, 361);
    panel.placement.set_backdrop({.width = 400, .height = 380, .picture = std::nullopt});
    const Image& backed = canvas.draw_panel(panel.placement);
    EXPECT_EQ(std::make_pair(backed.width, backed.height), std::make_pair(400, 380));

    panel.life.close();
    panel.start_over(NativePlatform::linked_module());
    ASSERT_FALSE(panel.modules.connect());
    ASSERT_TRUE(panel.placement.place("ZOR_1", 0, 0, std::nullopt));
    panel.life.run_frame();
    const Image again = canvas.draw_panel(panel.placement);
    EXPECT_EQ(std::make_pair(again.width, again.height), std::make_pair(361, 358));
    EXPECT_TRUE(again.pixels == PanelCanvas().draw_panel(panel.placement).pixels);
}

TEST_F(Panel, MouseAreasGiveCursorsTooltipAndClickAreas)
{
    ASSERT_TRUE(panel.placement.place("ZOR_1", 0, 0, std::nullopt));
    const struct {
        PixelPoint at;
        const char* cursor;
        bool click;
        bool tooltip;
    } cases[] = {
        {{40, 40}, "hand", true, false},        // brightness switch
        {{330, 30}, "hand", true, false},       // units button
        {{310, 294}, "down_arrow", true, true}, // pressure knob, left half
        {{360, 337}, "up_arrow", true, true},   // right half, inside the tooltip region
        {{360, 339}, "up_arrow", true, false},  // below the tooltip region, still on the knob
        {{2, 300}, "down_arrow", true, false},  // selected-altitude knob
        {{60, 300}, "up_arrow", true, false},   {{61, 300}, "none", false, false}, {{180, 180}, "none", false, false},
    };
    for (const auto& c : cases) {
        const MouseTarget target = panel.input.mouse_at(0, c.at);
        EXPECT_STREQ(cursor_name(target.cursor), c.cursor) << c.at.x << "," << c.at.y;
        EXPECT_EQ(target.click_area != nullptr, c.click) << c.at.x << "," << c.at.y;
        EXPECT_EQ(target.tooltip != nullptr, c.tooltip) << c.at.x << "," << c.at.y;
    }
}

TEST_F(Panel, RightClickOnASwitchDoesNothingLeftClickTogglesOnce)
{
    ASSERT_TRUE(panel.placement.place("AZS_ZOR_1", 0, 0, std::nullopt));
    ElementHeader* lever = element_chain(*panel.placement.gauges()[0].header)[1];
    panel.life.run_frame();
    panel.input.click(0, {15, 32}, MouseButton::right);
    EXPECT_EQ(icon_frame(*lever), 0u);
    panel.input.click(0, {15, 32}, MouseButton::left);
    EXPECT_EQ(icon_frame(*lever), 2u);
}

TEST_F(Panel, HeldKnobRepeatsEveryFrameAndSwitchesDoNot)
{
    ASSERT_TRUE(panel.placement.place("ZOR_1", 0, 0, std::nullopt));
    ASSERT_TRUE(panel.placement.place("AZS_ZOR_1", 370, 0, std::nullopt));
    panel.variables.set(753, 27.0);
    panel.input.click(1, {15, 32}, MouseButton::left);
    panel.life.run_frame();
    const std::size_t sent_at_open = panel.services.key_events.size();
    panel.input.press(0, {345, 310}, MouseButton::left);
    for (int frame = 0; frame < 5; ++frame)
        panel.life.run_frame();
    panel.input.release();
    panel.life.run_frame();
    // The press and five repeats: 1014 to 1019.
    ASSERT_EQ(panel.services.key_events.size(), sent_at_open + 6);
    EXPECT_EQ(panel.services.key_events.back().argument, 1019u * 16);
}

// Hears the commands as the executor applies them, printed.
struct HeardCommands : CommandListener {
    std::vector<std::string> lines;
    void applied(const Command& command, FrameLoop&) override { lines.push_back(print(command)); }
};

TEST_F(Panel, TheExecutorSaysWhatBecameOfAPressAndMovesARampAtEachFrameStart)
{
    ASSERT_TRUE(panel.placement.place("AZS_ZOR_1", 0, 0, std::nullopt));
    const char* text = "click AZS_ZOR_1 15 32 right\nclick AZS_ZOR_1 15 32\nclick AZS_ZOR_1 -5 -5\n"
                       "ramp altitude 0 90 3\nramp altitude 5 100 0\n";
    const ParseResult script = parse(text, "commands");
    ASSERT_TRUE(script.ok()) << script.report();
    const std::vector<Command>& c = script.program.commands;
    FrameLoop loop(panel, platform);
    CommandExecutor executor(loop);
    HeardCommands heard;
    executor.set_listener(&heard);
    loop.run_frame();

    const PressOutcome right = *executor.apply(c[0]), left = *executor.apply(c[1]), outside = *executor.apply(c[2]);
    EXPECT_TRUE(right.area != nullptr && !right.taken);
    EXPECT_TRUE(left.area == right.area && left.taken);
    EXPECT_TRUE(outside.area == nullptr && !outside.taken);
    EXPECT_EQ(icon_frame(*element_chain(*panel.placement.gauges()[0].header)[1]), 2u) << "the left click alone closed it";

    executor.apply(c[3]);
    EXPECT_EQ(panel.variables.get(token_altitude), 0.0) << "a ramp moves its variable as its frames start";
    for (const double expected : {30.0, 60.0, 90.0, 90.0}) {
        loop.run_frame();
        EXPECT_EQ(panel.variables.get(token_altitude), expected);
    }
    executor.apply(c[4]);
    loop.run_frame();
    EXPECT_EQ(panel.variables.get(token_altitude), 90.0) << "a ramp of no frames moves nothing";
    EXPECT_EQ(heard.lines,
              std::vector<std::string>({"click AZS_ZOR_1 15 32 right", "click AZS_ZOR_1 15 32", "click AZS_ZOR_1 -5 -5",
                                        "ramp altitude 0 90 3", "ramp altitude 5 100 0"}));
}

TEST_F(Panel, SnapshotOfAGaugeNotPlacedIsAScriptErrorAndDrawsNothing)
{
    std::stringstream text("place ZOR_1 0 0\nsnapshot face.png ZOR_2\n");
    const ParseResult script = parse(text.str(), "snapshot");
    ASSERT_TRUE(script.ok()) << script.report();
    std::stringstream report;
    FrameLoop loop(panel, platform);
    ScenarioRunner runner(loop, {.output_folder = "/nonexistent", .watch = {}}, report);
    EXPECT_TRUE(runner.run(script.program).script_error);
    EXPECT_EQ(report.str(), "snapshot:2: no gauge 'ZOR_2' is placed\n");
}

TEST_F(Panel, AFilmThatCannotBeWrittenStopsTheRunAtItsLineBeforeAnyFrame)
{
    std::stringstream text("place ZOR_1 0 0\nfilm flight.mp4\nframes 5\n");
    const ParseResult script = parse(text.str(), "film");
    ASSERT_TRUE(script.ok()) << script.report();
    std::stringstream report;
    FrameLoop loop(panel, platform);
    ScenarioRunner runner(loop, {.output_folder = "/nonexistent", .watch = {}}, report);
    const ScenarioResult result = runner.run(script.program);
    EXPECT_TRUE(result.output_failed);
    EXPECT_TRUE(result.refused);
    EXPECT_EQ(result.frames, 0);
    EXPECT_EQ(report.str(),
              "film:2: /nonexistent/flight.mp4: cannot be written: " + std::string(std::strerror(ENOENT)) + "\n");
}

TEST_F(Panel, UnpoweredFaceShowsNoLitDialAndNoNeedle)
{
    ASSERT_TRUE(panel.placement.place("ZOR_1", 0, 0, std::nullopt));
    panel.life.run_frame();
    const Image dark = canvas.draw_face(panel.placement, 0);
    const Rgba lcd_green{29, 163, 29, 255};
    EXPECT_NE(dark.at(217, 110), lcd_green);
    EXPECT_EQ(dark.at(0, 0).a, 0) << "black corners stay undrawn";
}

// Each kind of expectation, once with a value the panel does not show: each
// fails, said on its own line, and the run goes on to the next.
TEST_F(Panel, EveryKindOfExpectationCanFail)
{
    const char* const wrong[] = {
        "expect frame ZOR_1 18 7",
        "expect angle ZOR_1 10",
        "expect hidden ZOR_1 yes",
        "expect key 1 2",
        "expect key_count 3",
        "expect tooltip ZOR_1 45 315 \"not this\"",
        "expect cursor ZOR_1 45 315 hand",
        "expect pixel ZOR_1 180 180 1 2 3",
        "expect variable altitude 12",
        "expect window missing",
        "expect sound playing",
        "expect sound play 1",
    };
    std::string text = "place ZOR_1 0 0\nplace AZS_ZOR_1 370 0 60\nset bus_volts 27\nframes 2\nclick AZS_ZOR_1 15 32\n"
                       "frames 1\n";
    for (const char* line : wrong)
        text += std::string(line) + "\n";
    const ParseResult script = parse(text, "wrong");
    ASSERT_TRUE(script.ok()) << script.report();
    std::stringstream report;
    FrameLoop loop(panel, platform);
    ScenarioRunner runner(loop, {.output_folder = "/nonexistent", .watch = {}}, report);
    const ScenarioResult result = runner.run(script.program);
    EXPECT_FALSE(result.script_error) << report.str();
    EXPECT_EQ(result.failures, static_cast<int>(std::size(wrong))) << report.str();
    for (std::size_t i = 0; i < std::size(wrong); ++i)
        EXPECT_NE(report.str().find("wrong:" + std::to_string(7 + i) + ": expected "), std::string::npos)
            << wrong[i] << " held:\n"
            << report.str();
}

} // namespace
