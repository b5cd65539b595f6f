// Panel files as aircraft ship them, each opened natively as a simulator
// would open it, in a simulator's folder on disk: the design space a window
// gets (from size_mm, its background's proportions or its gauges' reach),
// where and how big each gauge lands, and its parameter; none of these
// forms is a problem.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "host/linked/native_platform.h"
#include "host/panel/panel_canvas.h"
#include "host/panelfile/panel_opening.h"
#include "host/panelfile/panel_words.h"

namespace fs = std::filesystem;

namespace {

// The module this program has linked in, for any file of its name.
class LinkedLibrary : public ModuleLibrary {
public:
    std::optional<LoadedModule> load(const std::string& path, std::string& error) override
    {
        if (lower(fs::path(path).stem().string()) == "krv_zor_v1_02")
            return NativePlatform::linked_module();
        error = path + " is not linked in";
        return std::nullopt;
    }
};

void write_file(const fs::path& path, const std::string& bytes)
{
    fs::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << bytes;
}

// An uncompressed 24-bit .bmp of one colour.
std::string bitmap(int width, int height)
{
    const int row = (width * 3 + 3) & ~3;
    const int size = 54 + row * height;
    std::string bytes(size, '\0');
    const auto put = [&](int at, int value, int count) {
        for (int i = 0; i < count; ++i)
            bytes[at + i] = static_cast<char>(value >> (8 * i) & 0xff);
    };
    bytes[0] = 'B', bytes[1] = 'M';
    put(2, size, 4), put(10, 54, 4), put(14, 40, 4), put(18, width, 4), put(22, height, 4);
    put(26, 1, 2), put(28, 24, 2), put(34, row * height, 4);
    return bytes;
}

struct Placed {
    int x, y, width, height; // a height of 0: the gauge's own proportions
};

// clang-format off
const struct Form {
    const char* name;
    std::string text;
    int panel_width, panel_height;
    std::vector<Placed> gauges;
    const char* parameter; // of the first gauge
    const char* note;      // a note the opening must give, or none
} forms[] = {
    {"size_mm=W alone, the height from the background's proportions", "[Window00]\nfile=back.bmp\nsize_mm=400\ngauge00=KRV_ZOR_V1_02!ZOR_1, 40, 40, 150\n", 400, 300, {{40, 40, 150, 0}}, "", nullptr},
    {"size_mm=W alone without a background: the gauges' reach, said", "[Window00]\nsize_mm=400\ngauge00=KRV_ZOR_V1_02!ZOR_1, 10, 20, 100, 120\n", 400, 140, {{10, 20, 100, 120}}, "", "the height is 140, as far as the gauges reach"},
    {"size_mm=0,0: the background's size", "[Window00]\nfile=back.bmp\nsize_mm=0,0\ngauge00=KRV_ZOR_V1_02!ZOR_1, 4, 4, 50, 50\n", 200, 150, {{4, 4, 50, 50}}, "", nullptr},
    {"no size_mm and no background: the gauges' reach", "[Window00]\ngauge00=KRV_ZOR_V1_02!ZOR_1, 10, 20, 100, 120\ngauge01=KRV_ZOR_V1_02!AZS_ZOR_1, 130, 20, 15, 30\n", 145, 140, {{10, 20, 100, 120}, {130, 20, 15, 30}}, "", nullptr},
    {"window_size alone, window_pos, blanks and tabs, a file name with a blank", "[Window00]\n file \t= panel main.bmp \nwindow_size= 0.5\nwindow_pos=0.1,0.2\ngauge00 =\tKRV_ZOR_V1_02!ZOR_1 ,\t7 , 8 ,\t60 , 70 \n", 200, 150, {{7, 8, 60, 70}}, "", nullptr},
    {"keys and sections in any case, // and ; comments", "// the main panel\n; by a maker\n[WINDOW00]\nFILE=back.bmp\nSIZE_MM=400,300\nGauge00=krv_zor_v1_02!ZOR_1, 1, 2, 30, 40\n", 400, 300, {{1, 2, 30, 40}}, "", nullptr},
    {"an empty height before a parameter keeps the proportions", "[Window00]\nsize_mm=400,300\ngauge00=KRV_ZOR_V1_02!ZOR_1, 40, 40, 150,, needle=2, red\n", 400, 300, {{40, 40, 150, 0}}, "needle=2, red", nullptr},
    {"X, Y,,,PARAM: the gauge's own size", "[Window00]\nsize_mm=400,300\ngauge00=KRV_ZOR_V1_02!AZS_ZOR_1, 5, 6,,,1\n", 400, 300, {{5, 6, -1, -1}}, "1", nullptr},
    {"a module in a subfolder of the gauges folder", "[Window00]\nsize_mm=400,300\ngauge00=Sub\\KRV_ZOR_V1_02!ZOR_2, 3, 4, 50, 60\n", 400, 300, {{3, 4, 50, 60}}, "", nullptr},
    {"3D cockpit, views and colours beside the window", "[VCockpit01]\nsize_mm=512,512\ntexture=$Panel\ngauge00=KRV_ZOR_V1_02!ZOR_1, 0, 0, 256, 256\n[Views]\nVIEW_FORWARD_WINDOWS=MAIN_PANEL\n[Default View]\nX=0\n[Color]\nDay=255,255,255\n[Window00]\nsize_mm=400,300\ngauge00=KRV_ZOR_V1_02!ZOR_1, 9, 9, 40, 40\n", 400, 300, {{9, 9, 40, 40}}, "", nullptr},
    {"an XML gauge folder beside a module", "[Window00]\nsize_mm=400,300\ngauge00=KRV_ZOR_V1_02!ZOR_1, 1, 1, 40, 40\ngauge01=Maker_Xml!Clock, 50, 1, 40, 40\n", 400, 300, {{1, 1, 40, 40}}, "", "is an XML gauge folder: not checked by this host"},
    {"a cabinet of XML gauges", "[Window00]\nsize_mm=400,300\ngauge00=Maker_Cab!Clock, 50, 1, 40, 40\ngauge01=KRV_ZOR_V1_02!ZOR_1, 1, 1, 40, 40\n", 400, 300, {{1, 1, 40, 40}}, "", "is a cabinet of XML gauges: not checked by this host"},
    {"file_1024 beside file and file_1600: the one for 1024 pixels", "[Window00]\nfile=small.bmp\nfile_1024=back.bmp\nfile_1600=big.bmp\ngauge00=KRV_ZOR_V1_02!ZOR_1, 1, 1, 40, 40\n", 200, 150, {{1, 1, 40, 40}}, "", nullptr},
};
// clang-format on

TEST(PanelForms, EachIsOpenedAsASimulatorOpensIt)
{
    const fs::path sim = fs::path(testing::TempDir()) / "panel_forms";
    fs::remove_all(sim);
    const fs::path panel_folder = sim / "Aircraft" / "Plane" / "Panel";
    for (const char* name : {"back.bmp", "panel main.bmp"})
        write_file(panel_folder / name, bitmap(200, 150));
    write_file(panel_folder / "small.bmp", bitmap(100, 50));
    write_file(panel_folder / "big.bmp", bitmap(300, 100));
    for (const char* module : {"Gauges/KRV_ZOR_V1_02.gau", "Gauges/Sub/KRV_ZOR_V1_02.gau", "Gauges/Maker_Cab.cab"})
        write_file(sim / module, "linked in");
    fs::create_directories(sim / "Gauges" / "Maker_Xml");

    for (const Form& form : forms) {
        SCOPED_TRACE(form.name);
        write_file(panel_folder / "panel.cfg", form.text);
        NativePlatform platform(ZOR_BITMAP_DIR, ZOR_ALERT_WAV, "C:\\Host\\host.exe");
        GaugePanel panel(platform);
        LinkedLibrary library;
        std::ostringstream said;
        ASSERT_TRUE(
            open_panel_window({.path = (panel_folder / "panel.cfg").string(), .section = {}, .simulator_folder = {}},
                              panel, library, said))
            << said.str();
        // Nothing said but the note expected.
        const std::string text = said.str();
        if (form.note == nullptr)
            EXPECT_EQ(text, "");
        else
            EXPECT_TRUE(text.find(form.note) != std::string::npos && std::count(text.begin(), text.end(), '\n') == 1)
                << text;
        const PanelFile file = read_panel_file((panel_folder / "panel.cfg").string());
        const PanelWindow& window = file.windows.back();
        EXPECT_EQ(window.gauges.front().parameter, form.parameter);
        ASSERT_EQ(panel.placement.gauges().size(), form.gauges.size()) << said.str();
        for (std::size_t i = 0; i < form.gauges.size(); ++i) {
            const PlacedGauge& got = panel.placement.gauges()[i];
            const Placed& want = form.gauges[i];
            const int width = want.width < 0 ? got.face.width : want.width;
            const int height = want.height < 0 ? got.face.height
                : want.height == 0             ? (width * got.face.height + got.face.width / 2) / got.face.width
                                               : want.height;
            EXPECT_EQ(std::tie(got.x, got.y, got.width, got.height), std::tie(want.x, want.y, width, height)) << i;
        }
        panel.life.open();
        PanelCanvas canvas;
        const Image& picture = canvas.draw_panel(panel.placement);
        EXPECT_EQ(std::make_pair(picture.width, picture.height), std::make_pair(form.panel_width, form.panel_height));
        panel.life.close();
    }

    // A background named by its whole path is read from there, not from
    // below the panel's folder.
    write_file(sim / "elsewhere" / "wide.bmp", bitmap(320, 100));
    write_file(panel_folder / "panel.cfg",
               "[Window00]\nfile=" + (sim / "elsewhere" / "wide.bmp").string() +
                   "\ngauge00=KRV_ZOR_V1_02!ZOR_1, 1, 1, 40, 40\n");
    NativePlatform platform(ZOR_BITMAP_DIR, ZOR_ALERT_WAV, "C:\\Host\\host.exe");
    GaugePanel panel(platform);
    LinkedLibrary library;
    std::ostringstream said;
    ASSERT_TRUE(open_panel_window(
        {.path = (panel_folder / "panel.cfg").string(), .section = {}, .simulator_folder = {}}, panel, library, said));
    EXPECT_EQ(said.str(), "");
    panel.life.open();
    EXPECT_EQ(PanelCanvas().draw_panel(panel.placement).width, 320);
    panel.life.close();
}

} // namespace
