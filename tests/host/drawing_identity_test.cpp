// The scenarios flown with the kept, partly redrawn pictures held to the
// oracle: after every frame and before every picture a run takes, the panel
// and each gauge's face must match, within the host's rounding, what the
// oracle draws from scratch at that moment.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include <unistd.h>

#include "host/script/parse.h"
#include "host/scenario/runner.h"
#include "host/linked/native_platform.h"
#include "reference_drawing.h"

namespace {

// The scenario as written, less its real-time lines: the clock changes no
// picture, and the test need not wait for it.
ParseResult scenario_without_clock(const std::string& name)
{
    std::ifstream file(std::string(ZOR_SCENARIO_DIR) + "/" + name + ".txt");
    std::stringstream kept;
    for (std::string line; std::getline(file, line);)
        kept << (line.starts_with("realtime") ? "" : line) << "\n";
    return parse(kept.str(), name);
}

class ScenarioDrawing : public ::testing::TestWithParam<const char*> {
protected:
    std::filesystem::path out =
        std::filesystem::temp_directory_path() / ("zor-drawing-identity-" + std::to_string(::getpid()));
    void SetUp() override { std::filesystem::create_directories(out); }
    void TearDown() override { std::filesystem::remove_all(out); }
};

TEST_P(ScenarioDrawing, EveryFrameAndPictureMatchesTheOracle)
{
    const auto script = scenario_without_clock(GetParam());
    ASSERT_TRUE(script.ok()) << script.report();
    NativePlatform platform(ZOR_BITMAP_DIR, ZOR_ALERT_WAV, "C:\\Host\\host.exe");
    GaugePanel panel(NativePlatform::linked_module(), platform);
    ASSERT_FALSE(panel.modules.connect());
    ReferenceBitmaps reference(platform);

    FrameLoop loop(panel, platform);
    int looks = 0;
    ScenarioOptions options{.output_folder = out.string(), .watch = [&](GaugePanel& p) {
                                ++looks;
                                const std::string where = " at look " + std::to_string(looks) + ", frame " +
                                    std::to_string(p.life.frame_number());
                                std::vector<Picture> faces;
                                for (const PlacedGauge& gauge : p.placement.gauges())
                                    faces.push_back(reference_face(*gauge.header, reference));
                                // The panel drawn before the faces at one look and after them at the
                                // next, as a run's pictures and expectations come in either order.
                                auto check_panel = [&] {
                                    ASSERT_EQ(
                                        difference(loop.draw_panel(), reference_panel(p.placement.gauges(), faces)), "")
                                        << "panel" << where;
                                };
                                if (looks % 2 == 0)
                                    check_panel();
                                for (std::size_t i = 0; i < faces.size(); ++i)
                                    ASSERT_EQ(difference(loop.draw_gauge(i), faces[i]), "")
                                        << p.placement.gauges()[i].label << where;
                                if (looks % 2 == 1)
                                    check_panel();
                            }};
    std::stringstream report;
    ScenarioRunner runner(loop, options, report);
    const ScenarioResult result = runner.run(script.program);
    EXPECT_EQ(result.failures, 0) << report.str();
    EXPECT_FALSE(result.script_error) << report.str();
    EXPECT_GE(looks, result.frames);
}

INSTANTIATE_TEST_SUITE_P(Scenarios, ScenarioDrawing,
                         ::testing::Values("climb_to_1000m", "power_and_controls", "zor_2_alone", "window_lookup",
                                           "demo_flight", "climb_recorded"));

} // namespace
