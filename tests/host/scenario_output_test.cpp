// Flies the climb scenario in this process and reads what it left: the
// per-frame trace and the PNG pictures.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>

#include <unistd.h>

#include "host/app/session.h"
#include "host/linked/native_platform.h"
#include "png_reading.h"

namespace {

struct TraceFrame {
    double altitude;
    std::vector<std::string> zor_1_elements;
    bool tone_asked_to_play;
};

std::vector<std::string> split_commas(const std::string& text)
{
    std::vector<std::string> parts;
    std::stringstream in(text);
    for (std::string part; std::getline(in, part, ',');)
        parts.push_back(part);
    return parts;
}

std::vector<TraceFrame> read_trace(const std::string& path)
{
    const std::regex altitude(R"("altitude":([-0-9.e]+))");
    const std::regex elements(R"re("ZOR_1":\{"elements":\[([^\]]*)\])re");
    std::vector<TraceFrame> frames;
    std::ifstream in(path);
    for (std::string line; std::getline(in, line);) {
        std::smatch a, e;
        if (!std::regex_search(line, a, altitude) || !std::regex_search(line, e, elements))
            continue;
        frames.push_back({std::stod(a[1]), split_commas(e[1]), line.find("\"play\"") != std::string::npos});
    }
    return frames;
}

class ClimbScenario : public ::testing::Test {
protected:
    static inline std::filesystem::path out;
    static inline int status = -1;

    static void SetUpTestSuite()
    {
        out = std::filesystem::temp_directory_path() / ("zor-host-climb-" + std::to_string(::getpid()));
        std::filesystem::create_directories(out);
        NativePlatform platform(ZOR_BITMAP_DIR, ZOR_ALERT_WAV, "C:\\Host\\host.exe");
        HostCommandLine line{.scenario = ZOR_SCENARIO_DIR "/climb_to_1000m.txt",
                             .module_path = "",
                             .bitmap_folder = ZOR_BITMAP_DIR,
                             .trace_path = (out / "trace.jsonl").string(),
                             .output_folder = out.string(),
                             .host_folder = ""};
        status = run_host_session(line, NativePlatform::linked_module(), platform);
    }
    static void TearDownTestSuite() { std::filesystem::remove_all(out); }
};

constexpr std::size_t border_element = 2; // third in drawing order
constexpr int blink_cycle = 9;
constexpr int blink_shown = 4;
constexpr int tone_frames = 17;

TEST_F(ClimbScenario, EveryExpectationHolds)
{
    EXPECT_EQ(status, 0);
}

TEST_F(ClimbScenario, BorderBlinksFourFramesInNineWhileBetween60And150mBelow)
{
    const auto frames = read_trace((out / "trace.jsonl").string());
    std::vector<bool> shown;
    for (const TraceFrame& frame : frames)
        if (frame.altitude > 850 && frame.altitude <= 940)
            shown.push_back(frame.zor_1_elements.at(border_element) != "-1");
    ASSERT_GE(shown.size(), static_cast<std::size_t>(blink_cycle));
    for (std::size_t start = 0; start + blink_cycle <= shown.size(); ++start)
        EXPECT_EQ(std::count(shown.begin() + start, shown.begin() + start + blink_cycle, true), blink_shown) << start;
}

TEST_F(ClimbScenario, ToneIsAskedToPlaySeventeenFramesAtEachEvent)
{
    const auto frames = read_trace((out / "trace.jsonl").string());
    std::vector<int> runs;
    bool playing = false;
    for (const TraceFrame& frame : frames) {
        if (frame.tone_asked_to_play && !playing)
            runs.push_back(0);
        if (frame.tone_asked_to_play)
            ++runs.back();
        playing = frame.tone_asked_to_play;
    }
    EXPECT_EQ(runs, (std::vector<int>{tone_frames, tone_frames}));
}

TEST_F(ClimbScenario, PictureShowsGreenDigitsAndTheNeedleAt1070m)
{
    const Image picture = read_png(out / "climb_above.png");
    ASSERT_GT(picture.width, 0);
    auto at = [&](int x, int y) { return picture.at(x, y); };
    // Selected ones digit's background: bright LCD green.
    EXPECT_EQ(at(217, 110).r, 29);
    EXPECT_EQ(at(217, 110).g, 163);
    EXPECT_EQ(at(217, 110).b, 29);
    // 1070 m turns the needle to 295.2 degrees: its dark segment 107 px out.
    EXPECT_LT(at(226, 82).g, 60);
    // The opposite side of the dial holds no needle.
    EXPECT_GT(at(134, 276).g, 100);
}

} // namespace
