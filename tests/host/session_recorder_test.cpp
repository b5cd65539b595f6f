// A bench session flown by a scripted hand and recorded, then the record
// flown headless on a freshly loaded module: every mark holds and the trace
// is the live one, frame for frame. And the piece that decides when a
// rebuilt module file is taken.
#include <gtest/gtest.h>

#include <sstream>

#include "sound/scripted/platform.h"
#include "host/script/parse.h"
#include "host/bench/module_follower.h"
#include "host/bench/session.h"
#include "host/bench/session_recorder.h"
#include "host/linked/native_platform.h"
#include "host/panel/frame_trace.h"
#include "tests/host/scripted_screen.h"
#include "tests/support/fresh_module.h"

namespace {

double seconds_of(BenchScreen::Clock::time_point at)
{
    return std::chrono::duration<double>(at.time_since_epoch()).count();
}

bool holds(const std::string& text, const std::string& part)
{
    return text.find(part) != std::string::npos;
}

// The recording flown headless on a freshly loaded module, every mark
// holding: its trace.
std::string replay_trace(const std::string& recorded)
{
    reset_module_state();
    reset_scripted_sound_platform();
    NativePlatform platform{ZOR_BITMAP_DIR, ZOR_ALERT_WAV, "C:\\Host\\host.exe"};
    GaugePanel panel{NativePlatform::linked_module(), platform};
    EXPECT_FALSE(panel.modules.connect());
    const ParseResult script = parse(recorded, "session.txt");
    EXPECT_TRUE(script.ok()) << script.report();
    std::ostringstream trace, failures;
    FrameLoop loop(panel, platform);
    FrameTraceWriter writer(trace);
    loop.add_observer(writer);
    ScenarioRunner runner(loop, {}, failures);
    const ScenarioResult result = runner.run(script.program);
    EXPECT_FALSE(result.script_error) << failures.str();
    EXPECT_EQ(result.failures, 0) << failures.str();
    return trace.str();
}

TEST(SessionRecorder, ARecordedBenchSessionFliesAgainToTheSameFrames)
{
    ScriptedScreen screen;
    // The demo panel: ZOR_1 at face size, AZS_ZOR_1 at 120,370 one and a
    // half times its face.
    screen.inputs = {
        {0.5,
         [](BenchInputQueue& s) {
             s.button_down({141, 417}, MouseButton::left);
         }}, // breaker closes
        {0.6, [](BenchInputQueue& s) { s.button_up(); }},
        {1.0,
         [](BenchInputQueue& s) {
             s.button_down({345, 310}, MouseButton::left);
         }}, // pressure knob held
        {2.0, [](BenchInputQueue& s) { s.button_up(); }},
        {2.5, [](BenchInputQueue& s) { s.key("Up"); }},
        {4.0, [](BenchInputQueue& s) { s.key("L"); }},
        {4.2, [](BenchInputQueue& s) { s.key("B"); }},
        {4.5, [](BenchInputQueue& s) { s.key("B"); }},
        {5.0, [](BenchInputQueue& s) { s.key("P"); }},
        {6.0, [](BenchInputQueue& s) { s.key("N"); }},
        {7.0, [](BenchInputQueue& s) { s.key("P"); }},
        {7.5, [](BenchInputQueue& s) { s.key("K"); }},
        {8.0,
         [](BenchInputQueue& s) {
             s.button_down({330, 30}, MouseButton::left);
         }}, // units, a click
        {8.0, [](BenchInputQueue& s) { s.button_up(); }},
    };
    screen.close_at_seconds = 9.0;
    std::stringstream file;
    std::ostringstream live_trace, report;
    std::string recorded;
    {
        NativePlatform platform{ZOR_BITMAP_DIR, ZOR_ALERT_WAV, "C:\\Host\\host.exe"};
        GaugePanel panel{NativePlatform::linked_module(), platform};
        ASSERT_FALSE(panel.modules.connect());
        SessionRecorder recorder(&file, [&] { return seconds_of(screen.now()); });
        BenchSession session(
            panel, platform, screen, report,
            {.xray = false, .seconds = 0.0, .report_every_seconds = 10.0, .recorder = &recorder, .follower = nullptr});
        const ParseResult demo = parse_file(std::string(ZOR_SCENARIO_DIR) + "/bench_demo.txt");
        ASSERT_TRUE(demo.ok()) << demo.report();
        EXPECT_EQ(session.run(demo.program, {}, &live_trace), 0);
        recorded = recorder.text();
        EXPECT_EQ(panel.variables.get(token_units_of_measure), host_units_metric);
    }
    EXPECT_EQ(file.str(), recorded) << "the file holds the text as it grew";
    for (const char* line : {"place AZS_ZOR_1 120 370 45\n", "set bus_volts 27\n", "fps 18\nticks_per_second 18\n",
                             "press AZS_ZOR_1 14 31 left", "press ZOR_1 345 310 left", "\nrelease", "ramp altitude 0 ",
                             "set bus_volts 0\n", "\npause 1", "frames 1   # one frame while paused",
                             "click ZOR_1 330 30 left", "expect hidden ZOR_1 ", "expect key_count "})
        EXPECT_TRUE(holds(recorded, line)) << line << " in\n" << recorded;
    // Two sets of marks: K, and the end.
    EXPECT_EQ(std::count(recorded.begin(), recorded.end(), '#') > 2, true);
    ASSERT_TRUE(recorded.starts_with("recording begin\n") && recorded.ends_with("\nrecording end\n")) << recorded;

    // Cut at a line's end, or edited into a broken line, the file is
    // refused with its line before anything flies.
    const std::string cut = recorded.substr(0, recorded.rfind("recording end"));
    const auto lines_in = [](const std::string& text) { return std::count(text.begin(), text.end(), '\n'); };
    EXPECT_EQ(parse(cut, "cut.txt").report(),
              "cut.txt:" + std::to_string(lines_in(cut)) +
                  ": the recording stops after this line without its end (recording end): the file was cut\n");
    std::string edited = recorded;
    edited.replace(edited.find("ramp altitude"), 4, "rmap");
    const std::string edited_line = std::to_string(lines_in(edited.substr(0, edited.find("rmap"))) + 1);
    EXPECT_EQ(parse(edited, "edited.txt").report(),
              "edited.txt:" + edited_line + ": unknown command 'rmap'; did you mean 'ramp'?\n");

    const std::string live = live_trace.str();
    EXPECT_EQ(replay_trace(recorded), live);
    const ParseResult script = parse(recorded, "session.txt");
    const long frames = std::count(live.begin(), live.end(), '\n');

    // In the window it flies in real time, pauses included, then stays.
    reset_module_state();
    reset_scripted_sound_platform();
    NativePlatform live_platform{ZOR_BITMAP_DIR, ZOR_ALERT_WAV, "C:\\Host\\host.exe"};
    GaugePanel live_panel{NativePlatform::linked_module(), live_platform};
    ASSERT_FALSE(live_panel.modules.connect());
    ScriptedScreen window;
    window.close_at_seconds = 12.0;
    std::ostringstream live_report;
    BenchSession again(live_panel, live_platform, window, live_report, {});
    EXPECT_EQ(again.run(script.program, {.output_folder = ".", .watch = {}}), 0);
    EXPECT_TRUE(
        holds(live_report.str(), "scenario done: " + std::to_string(frames) + " frames, failed expectations: 0\n"))
        << live_report.str();
    EXPECT_TRUE(holds(live_report.str(), "bench ready")) << live_report.str();
}

// A scenario flown live and the bench after it, recorded and flown again
// headless; the trace of the replay is the live one.
struct RecordedFlight {
    std::string recorded, live_trace, report;
};

RecordedFlight fly_recorded(const std::string& scenario, std::vector<ScriptedScreen::Input> inputs, double close_at)
{
    ScriptedScreen screen;
    screen.inputs = std::move(inputs);
    screen.close_at_seconds = close_at;
    std::ostringstream live_trace, report;
    NativePlatform platform{ZOR_BITMAP_DIR, ZOR_ALERT_WAV, "C:\\Host\\host.exe"};
    GaugePanel panel{NativePlatform::linked_module(), platform};
    EXPECT_FALSE(panel.modules.connect());
    SessionRecorder recorder(nullptr, [&] { return seconds_of(screen.now()); });
    BenchSession session(panel, platform, screen, report, {.recorder = &recorder});
    const ParseResult script = parse(scenario, "live.txt");
    EXPECT_TRUE(script.ok()) << script.report();
    session.run(script.program, {}, &live_trace);
    return {recorder.text(), live_trace.str(), report.str()};
}

std::size_t count_of(const std::string& text, const std::string& part)
{
    std::size_t count = 0;
    for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1))
        ++count;
    return count;
}

constexpr const char* zor_1_powered =
    "place ZOR_1 0 0\nplace AZS_ZOR_1 370 0 45\nset bus_volts 27\nclick AZS_ZOR_1 15 32\n";

TEST(SessionRecorder, TheScenarioIsWrittenAsTheCommandsItAppliedAndAClimbAsOneRamp)
{
    const RecordedFlight flight = fly_recorded(
        zor_1_powered + std::string("ramp altitude 0 100 10\nhold ZOR_1 345 310 5\nexpect angle ZOR_1 0\nframes 2\n"),
        {{0.5, [](BenchInputQueue& s) { s.key("Up"); }}, {2.0, [](BenchInputQueue& s) { s.key("L"); }}}, 2.5);
    const std::string& r = flight.recorded;
    for (const char* line : {"set bus_volts 27\nclick AZS_ZOR_1 15 32   # after frame 0\n", "ramp altitude 0 100 10\n",
                             "press ZOR_1 345 310   # after frame 10\nframes 5\nrelease   # after frame 15\n"})
        EXPECT_TRUE(holds(r, line)) << line << " in\n" << r;
    EXPECT_FALSE(holds(r, "expect angle ZOR_1 0")) << "a scenario's checks are not commands to the panel";
    // The climb a frame at a time, from 100 m at 5 m/s: one line for it.
    EXPECT_EQ(count_of(r, "ramp altitude"), 2u) << r;
    EXPECT_TRUE(holds(r, "ramp altitude 100 ")) << r;
    EXPECT_EQ(replay_trace(r), flight.live_trace);
}

TEST(SessionRecorder, AScenarioQuitInsideARampIsWrittenAsFarAsItFlew)
{
    const RecordedFlight flight = fly_recorded(zor_1_powered + std::string("realtime on\nramp altitude 0 900 90\n"),
                                               {{1.0, [](BenchInputQueue& s) { s.key("Esc"); }}}, 10.0);
    const std::string& r = flight.recorded;
    const std::size_t at = r.find("ramp altitude 0 ");
    ASSERT_NE(at, std::string::npos) << r;
    const ParseResult line = parse(r.substr(at, r.find('\n', at) - at), "line");
    ASSERT_TRUE(line.ok()) << line.report();
    const Command& ramp = line.program.commands.at(0);
    const long flown = std::count(flight.live_trace.begin(), flight.live_trace.end(), '\n');
    EXPECT_LT(ramp.number(3), 90);
    EXPECT_EQ(ramp.number(3), flown) << "the ramp's frames are those that flew";
    EXPECT_DOUBLE_EQ(ramp.number(2), 10.0 * flown);
    EXPECT_EQ(replay_trace(r), flight.live_trace);
}

TEST(FileSettling, TakesAChangedFileOnceTwoLooksSawItTheSame)
{
    const FileStamp loaded{true, 100, 1}, writing{true, 50, 2}, written{true, 120, 3}, gone{};
    FileSettling settling(loaded);
    const std::pair<FileStamp, bool> looks[] = {
        // clang-format off
        {loaded, false},  {writing, false}, {written, false}, {written, true},   // still for a look: taken
        {written, false},                                                        // taken once only
        {gone, false},    {gone, false},    {loaded, false},  {loaded, true},    // back, changed: taken again
        // clang-format on
    };
    for (std::size_t i = 0; i < std::size(looks); ++i)
        EXPECT_EQ(settling.ready(looks[i].first), looks[i].second) << "look " << i;
    EXPECT_TRUE(settling.look_due(0.0));
    EXPECT_FALSE(settling.look_due(0.9));
    EXPECT_TRUE(settling.look_due(1.0));
}

} // namespace
