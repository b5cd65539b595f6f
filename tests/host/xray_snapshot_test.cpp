// The X-ray view in a scenario's snapshots: the outlines lie on the boxes
// the mouse-area lists give, at face size and on a gauge placed scaled.
#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

#include <unistd.h>

#include "host/script/parse.h"
#include "host/scenario/runner.h"
#include "host/panel/xray_overlay.h"
#include "host/linked/native_platform.h"
#include "png_reading.h"

namespace {

class XraySnapshots : public ::testing::Test {
protected:
    static inline std::filesystem::path out;
    static inline ScenarioResult result;

    static void SetUpTestSuite()
    {
        out = std::filesystem::temp_directory_path() / ("zor-xray-" + std::to_string(::getpid()));
        std::filesystem::create_directories(out);
        const std::string scenario("place ZOR_1 0 0\n"
                                    "place AZS_ZOR_1 370 0 45\n"
                                    "set bus_volts 27\n"
                                    "frames 1\n"
                                    "snapshot face.png ZOR_1\n"
                                    "snapshot face_xray.png ZOR_1 xray\n"
                                    "snapshot panel_xray.png xray\n");
        const ParseResult script = parse(scenario, "xray.txt");
        NativePlatform platform(ZOR_BITMAP_DIR, ZOR_ALERT_WAV, "C:\\Host\\host.exe");
        GaugePanel panel(NativePlatform::linked_module(), platform);
        ASSERT_FALSE(panel.modules.connect());
        std::ostringstream report;
        FrameLoop loop(panel, platform);
        ScenarioRunner runner(loop, {.output_folder = out.string(), .watch = {}}, report);
        result = runner.run(script.program);
    }
    static void TearDownTestSuite() { std::filesystem::remove_all(out); }
};

TEST_F(XraySnapshots, OutlinesLieOnTheAltimetersBoxesAtFaceSize)
{
    ASSERT_FALSE(result.script_error);
    const Image plain = read_png(out / "face.png");
    const Image xray = read_png(out / "face_xray.png");
    ASSERT_EQ(xray.width, 361);
    // Brightness switch: click area 23, 20, 45 x 45, all four edges.
    for (const PixelPoint p : {PixelPoint{45, 20}, PixelPoint{23, 45}, PixelPoint{67, 45}, PixelPoint{45, 64}}) {
        EXPECT_EQ(xray.at(p.x, p.y), xray_colour::click_area) << p.x << "," << p.y;
        EXPECT_NE(plain.at(p.x, p.y), xray_colour::click_area) << p.x << "," << p.y;
    }
    EXPECT_NE(xray.at(22, 45), xray_colour::click_area) << "just outside the box";
    EXPECT_NE(xray.at(45, 45), xray_colour::click_area) << "inside the box";
    // Pressure knob's right half (335, 293, 26 x 48): its right edge.
    EXPECT_EQ(xray.at(360, 320), xray_colour::click_area);
    // The tooltip region (309, 293, 60 x 45) ends 3 pixels above the knob.
    EXPECT_EQ(xray.at(320, 337), xray_colour::tooltip_region);
    EXPECT_EQ(xray.at(320, 340), xray_colour::click_area);
    // The needle turns about 180, 179; the selected ones digit's box
    // starts at 216, 109.
    EXPECT_EQ(xray.at(180, 176), xray_colour::needle_pivot);
    EXPECT_EQ(xray.at(216, 109), xray_colour::element_box);
}

TEST_F(XraySnapshots, ScaledBreakersAreaIsOutlinedWhereItIsPlaced)
{
    const Image panel = read_png(out / "panel_xray.png");
    ASSERT_EQ(panel.width, 415);
    // 30 x 65 face pixels placed at 370, 0 at width 45: 45 x 98 panel pixels.
    EXPECT_EQ(panel.at(370, 50), xray_colour::click_area);
    EXPECT_EQ(panel.at(414, 50), xray_colour::click_area);
    EXPECT_EQ(panel.at(392, 97), xray_colour::click_area);
    EXPECT_NE(panel.at(392, 50), xray_colour::click_area);
    // ZOR_1 beside it keeps its outlines at face size.
    EXPECT_EQ(panel.at(45, 20), xray_colour::click_area);
}

} // namespace
