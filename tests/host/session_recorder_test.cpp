// A bench session flown by a scripted hand and recorded, then the record
// flown headless on a freshly loaded module: every mark holds and the trace
// is the live one, frame for frame. And the pieces that decide when a
// rebuilt module file is taken and whether it is whole.
#include <gtest/gtest.h>

#include <sstream>

#include "sound/scripted/platform.h"
#include "host/bench/module_bytes_check.h"
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

TEST(SessionRecorder, ARecordedBenchSessionFliesAgainToTheSameFrames)
{
    ScriptedScreen screen;
    // The demo panel: ZOR_1 at face size, AZS_ZOR_1 at 120,370 one and a
    // half times its face.
    screen.inputs = {
        {0.5,
         [](BenchSession& s) {
             s.button_down({141, 417}, MouseButton::left);
         }}, // breaker closes
        {0.6, [](BenchSession& s) { s.button_up(); }},
        {1.0,
         [](BenchSession& s) {
             s.button_down({345, 310}, MouseButton::left);
         }}, // pressure knob held
        {2.0, [](BenchSession& s) { s.button_up(); }},
        {2.5, [](BenchSession& s) { s.key("Up"); }},
        {4.0, [](BenchSession& s) { s.key("L"); }},
        {4.2, [](BenchSession& s) { s.key("B"); }},
        {4.5, [](BenchSession& s) { s.key("B"); }},
        {5.0, [](BenchSession& s) { s.key("P"); }},
        {6.0, [](BenchSession& s) { s.key("N"); }},
        {7.0, [](BenchSession& s) { s.key("P"); }},
        {7.5, [](BenchSession& s) { s.key("K"); }},
        {8.0,
         [](BenchSession& s) {
             s.button_down({330, 30}, MouseButton::left);
         }}, // units, a click
        {8.0, [](BenchSession& s) { s.button_up(); }},
    };
    screen.close_at_seconds = 9.0;
    std::stringstream file;
    std::ostringstream live_trace, report;
    std::string recorded;
    {
        NativePlatform platform{ZOR_BITMAP_DIR, ZOR_ALERT_WAV, "C:\\Host\\host.exe"};
        GaugePanel panel{NativePlatform::linked_module(), platform};
        ASSERT_FALSE(panel.connect());
        SessionRecorder recorder(&file, [&] { return seconds_of(screen.now()); });
        BenchSession session(
            panel, platform, screen, report,
            {.xray = false, .seconds = 0.0, .report_every_seconds = 10.0, .recorder = &recorder, .follower = nullptr});
        std::string error;
        const auto demo = read_scenario_file(std::string(ZOR_SCENARIO_DIR) + "/bench_demo.txt", error);
        ASSERT_TRUE(demo) << error;
        EXPECT_EQ(session.run(*demo, {}, &live_trace), 0);
        recorded = recorder.text();
        EXPECT_EQ(panel.variables.get(token_units_of_measure), host_units_metric);
    }
    EXPECT_EQ(file.str(), recorded) << "the file holds the text as it grew";
    for (const char* line : {"place AZS_ZOR_1 120 370 45\n", "set bus_volts 27\n", "fps 18\nticks_per_second 18\n",
                             "press AZS_ZOR_1 14 31 left", "press ZOR_1 345 310 left", "\nrelease", "ramp altitude 0 ",
                             "set bus_volts 0\n", "\npause 1.", "frames 1   # one frame while paused",
                             "click ZOR_1 330 30 left", "expect hidden ZOR_1 ", "expect key_count "})
        EXPECT_TRUE(holds(recorded, line)) << line << " in\n" << recorded;
    // Two sets of marks: K, and the end.
    EXPECT_EQ(std::count(recorded.begin(), recorded.end(), '#') > 2, true);

    reset_module_state();
    reset_scripted_sound_platform();
    NativePlatform platform{ZOR_BITMAP_DIR, ZOR_ALERT_WAV, "C:\\Host\\host.exe"};
    GaugePanel panel{NativePlatform::linked_module(), platform};
    ASSERT_FALSE(panel.connect());
    std::istringstream in(recorded);
    std::string error;
    const auto script = read_scenario(in, "session.txt", error);
    ASSERT_TRUE(script) << error;
    std::ostringstream replay_trace, failures;
    FrameLoop loop(panel, platform);
    FrameTraceWriter trace_writer(replay_trace);
    loop.add_observer(trace_writer);
    ScenarioRunner runner(loop, {.output_folder = ".", .watch = {}}, failures);
    const ScenarioResult result = runner.run(*script);
    EXPECT_FALSE(result.script_error) << failures.str();
    EXPECT_EQ(result.failures, 0) << failures.str();
    EXPECT_EQ(replay_trace.str(), live_trace.str());

    // In the window it flies in real time, pauses included, then stays.
    reset_module_state();
    reset_scripted_sound_platform();
    NativePlatform live_platform{ZOR_BITMAP_DIR, ZOR_ALERT_WAV, "C:\\Host\\host.exe"};
    GaugePanel live_panel{NativePlatform::linked_module(), live_platform};
    ASSERT_FALSE(live_panel.connect());
    ScriptedScreen window;
    window.close_at_seconds = 12.0;
    std::ostringstream live_report;
    BenchSession again(live_panel, live_platform, window, live_report, {});
    EXPECT_EQ(again.run(*script, {.output_folder = ".", .watch = {}}), 0);
    EXPECT_TRUE(holds(live_report.str(),
                      "scenario done: " + std::to_string(result.frames) + " frames, failed expectations: 0\n"))
        << live_report.str();
    EXPECT_TRUE(holds(live_report.str(), "bench ready")) << live_report.str();
}

TEST(ModuleFileCheck, TellsAModuleFromOtherFilesAndAWholeOneFromOneCutShort)
{
    // MZ head pointing at the PE head at 64; one section of 512 bytes at 512.
    std::vector<std::uint8_t> dll(1024, 0);
    auto put = [&](std::size_t at, std::uint32_t value, int size) {
        for (int i = 0; i < size; ++i)
            dll[at + static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(value >> (8 * i));
    };
    put(0, 'M' | 'Z' << 8, 2);
    put(0x3c, 64, 4);
    put(64, 0x00004550, 4);
    put(64 + 4, 0x14c, 2);   // i386
    put(64 + 6, 1, 2);       // one section
    put(64 + 20, 224, 2);    // optional header size
    put(64 + 22, 0x2102, 2); // a DLL
    put(64 + 24, 0x10b, 2);  // PE32
    const std::size_t row = 64 + 24 + 224;
    put(row + 16, 512, 4);
    put(row + 20, 512, 4);
    auto changed = [&](std::size_t at, std::uint32_t value, int size) {
        auto copy = dll;
        std::swap(copy, dll);
        put(at, value, size);
        std::swap(copy, dll);
        return copy;
    };
    struct Case {
        const char* what;
        std::vector<std::uint8_t> bytes;
        const char* problem;
    };
    const Case cases[] = {
        // clang-format off
        {"whole",          dll,                                                  nullptr},
        {"empty",          {},                                                   "module file is empty"},
        {"text",           {'h', 'e', 'l', 'l', 'o'},                            "module file is not a 32-bit DLL"},
        {"64-bit",         changed(64 + 4, 0x8664, 2),                           "module file is not a 32-bit DLL"},
        {"a program",      changed(64 + 22, 0x0102, 2),                          "module file is not a 32-bit DLL"},
        {"cut in section", {dll.begin(), dll.begin() + 700},                     "module file is cut short: 700 of 1024 bytes"},
        {"cut in head",    {dll.begin(), dll.begin() + 80},                      "module file is cut short: 80 of 90 bytes"},
        // clang-format on
    };
    for (const Case& c : cases) {
        const auto problem = module_file_problem(c.bytes);
        EXPECT_EQ(problem.value_or("none"), c.problem ? c.problem : "none") << c.what;
    }
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
