// The panel file reader: a well-formed window as the install note shows it,
// and bad input, where every bad line gets a message with its number and
// the rest of the file is still read.
#include <gtest/gtest.h>

#include <filesystem>
#include <tuple>

#include "host/panelfile/panel_file.h"

namespace {

TEST(PanelFile, ReadsAWindowWithItsGaugesPlacesAndKeys)
{
    const PanelFile file = read_panel_text(
        // clang-format off
        "// a panel\n"
        "[Window Titles]\n"
        "Window00=Main\n"
        "\n"
        "[fltsim]\n"
        "alias = Other\\panel ; shared\n"
        "[WINDOW00]\r\n"
        "file = back.bmp\n"
        "size_mm=640,480\n"
        "window_size= 1.0, 0.5\n"
        "position=7\n"
        "visible=1\n"
        "gauge01=KRV_ZOR_V1_02!ZOR_2,     220,  40, 150 // second\n"
        "gauge00=KRV_ZOR_V1_02!ZOR_1,      40,  40, 150, 160\n"
        "gauge02= KRV_ZOR_V1_02 ! AZS_ZOR_1 ,-5,200\n");
    // clang-format on
    EXPECT_TRUE(file.messages.empty()) << file.messages[0].line << ": " << file.messages[0].text;
    EXPECT_EQ(file.alias, "Other\\panel");
    EXPECT_EQ(file.alias_line, 6);
    const PanelWindow* window = file.window("window00");
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->background()->file, "back.bmp");
    EXPECT_EQ(window->size_mm->width, 640);
    EXPECT_EQ(window->size_mm->height, 480);
    EXPECT_EQ(window->window_height, 0.5);
    EXPECT_EQ(window->position, 7);
    ASSERT_EQ(window->gauges.size(), 3u);
    const PanelGaugeLine& first = window->gauges[0];
    EXPECT_EQ(first.line, 14);
    EXPECT_EQ(first.module + "!" + first.gauge, "KRV_ZOR_V1_02!ZOR_1");
    EXPECT_EQ(first.width, 150);
    EXPECT_EQ(first.height, 160);
    EXPECT_EQ(window->gauges[1].height, std::nullopt);
    EXPECT_EQ(window->gauges[2].gauge, "AZS_ZOR_1");
    EXPECT_EQ(window->gauges[2].x, -5);
    EXPECT_EQ(window->gauges[2].width, std::nullopt);
}

// Each case: the file, the line of its one message, whether it is a
// problem, a piece of its text, and the gauges still placed.
TEST(PanelFile, BadLinesGetTheirLineAndTheRestIsRead)
{
    const std::string window = "[Window00]\ngauge00=M!A, 1, 2\n";
    const struct {
        std::string text;
        int line;
        bool problem;
        const char* says;
        std::size_t placed;
    } cases[] = {
        {window + "garbage here\ngauge01=M!B, 3, 4\n", 3, true, "neither a section", 2},
        {window + "colour=3\ngauge01=M!B, 3, 4\n", 3, false, "'colour' is not a key", 2},
        {window + "gauge01=M!B, 3, 4, abc\n", 3, true, "width 'abc' is not a whole number", 2},
        {window + "gauge01=M!B, 3, 4, 10, -2\n", 3, true, "zero or negative height", 2},
        {window + "gauge01=M!B, 3, 4, 0\n", 3, true, "zero or negative width", 2},
        {window + "gauge01=M!B, x, 4\n", 3, true, "needs a place X, Y", 1},
        {window + "gauge01=MB, 3, 4\n", 3, true, "needs MODULE!GAUGE", 1},
        {window + "gauge01=M!B\n", 3, true, "needs a place X, Y", 1},
        {window + "gauge00=M!B, 3, 4\n", 3, true, "gauge00 again (first at line 2)", 1},
        {window + "gauge02=M!B, 3, 4\ngauge03=M!C, 3, 4\n", 3, true, "there is no gauge01", 1},
        {window + "gaugeX=M!B, 3, 4\n", 3, true, "is no gauge line", 1},
        {window + "gauge99999999999=M!B, 3, 4\n", 3, true, "is no gauge line", 1},
        {window + "size_mm=640,x\n", 3, true, "size_mm needs a width and a height", 1},
        {window + "size_mm=-1\n", 3, true, "size_mm needs a width and a height", 1},
        {"gauge00=M!A, 1, 2\n" + window, 1, true, "stands before any section: a simulator places it in no window", 1},
        {window + "gauge01=M!B\x01\xc3\xa9, x\n", 3, true, "'M!B\\x01\\xc3\\xa9, x'", 1},
                {window + "size_mm=8193,600\n", 3, true, "larger than the 8192 a side", 1},
        {window + "size_mm=2147483647,2147483647\n", 3, true, "larger than the 8192 a side", 1},
        {window + "gauge01=M!B, 3, 4, 100000\n", 3, true, "width 100000 is larger than the 8192", 2},
        {window + "gauge01=M!B, 3, 4, 10, 2147483647\n", 3, true, "height 2147483647 is larger than", 2},
        {window + "position=9\n", 3, true, "position needs a screen place", 1},
        {window + "[Window01\ngauge00=M!B, 3, 4\n", 3, true, "has no closing ']'", 1},
        {window + "[Window00]\ngauge01=M!B, 3, 4\n", 3, true, "[Window00] again", 2},
        {"[Window Titles]\nwindow00=Main\nwindow01=Radio\n" + window, 3, true, "no [window01] section", 1},
        {"visible=1\n[Views]\n", 0, true, "no [WindowNN] or [VCockpitNN] section", 0},
    };
    for (const auto& c : cases) {
        const PanelFile file = read_panel_text(c.text);
        const std::size_t placed = file.windows.empty() ? 0 : file.windows[0].gauges.size();
        EXPECT_EQ(placed, c.placed) << c.text;
        const auto message = std::find_if(file.messages.begin(), file.messages.end(), [&](const PanelFileMessage& m) {
            return m.text.find(c.says) != std::string::npos;
        });
        ASSERT_NE(message, file.messages.end())
            << c.text << "\n  got: " << (file.messages.empty() ? "none" : file.messages[0].text);
        EXPECT_EQ(message->line, c.line) << c.text;
        EXPECT_EQ(message->problem, c.problem) << c.text;
    }
}

std::string utf16(const std::string& text, bool little, bool mark)
{
    std::string out = mark ? (little ? "\xff\xfe" : "\xfe\xff") : "";
    for (const char c : text)
        out += little ? std::string{c, '\0'} : std::string{'\0', c};
    return out;
}

// Each encoding an editor saves is read as the text it is, and named once
// with what it does to a simulator; bytes with no text get one message.
TEST(PanelFile, EncodingsAreReadAndNamed)
{
    const std::string text = "[Window00]\r\ngauge00=M!A, 1, 2\r\ngauge01=M!B, 3, 4\r\n";
    const struct {
        const char* name;
        std::string bytes;
        std::size_t gauges;
        int line;
        const char* says;
    } cases[] = {
        {"UTF-8 mark", "\xef\xbb\xbf" + text, 2, 0, "does not know '[Window00]' as a section"},
        {"UTF-16 little-endian", utf16(text, true, true), 2, 0, "UTF-16 little-endian (what Notepad calls"},
        {"UTF-16 big-endian", utf16(text, false, true), 2, 0, "UTF-16 big-endian"},
        {"UTF-16 without a mark", utf16(text, true, false), 2, 0, "little-endian without a byte-order mark"},
        {"UTF-16 of an odd length", utf16(text, true, true) + "x", 2, 0, "its last byte is left over"},
        {"a mark alone", "\xef\xbb\xbf", 0, 0, "holds no line after it: the panel has no window"},
        {"a UTF-16 mark alone", "\xff\xfe", 0, 0, "holds no line after it"},
        {"NUL bytes only", std::string(300, '\0'), 0, 0, "holds nothing but 300 NUL bytes"},
        {"a NUL in a line", std::string("[Window00]\ngauge00=M!A, 1, 2\ngauge01=M!B, 3, 4\0junk\n", 52), 2, 3,
         "1 line holds NUL bytes"},
    };
    for (const auto& c : cases) {
        const PanelFile file = read_panel_text(c.bytes);
        EXPECT_EQ(file.windows.empty() ? 0 : file.windows[0].gauges.size(), c.gauges) << c.name;
        ASSERT_EQ(file.problems(), 1) << c.name << ": " << (file.messages.empty() ? "" : file.messages[0].text);
        const auto problem =
            std::find_if(file.messages.begin(), file.messages.end(), [](auto& m) { return m.problem; });
        EXPECT_EQ(problem->line, c.line) << c.name;
        EXPECT_NE(problem->text.find(c.says), std::string::npos) << c.name << ": " << problem->text;
        EXPECT_EQ(problem->text.find_first_of(std::string("\0\r\n\x80\xef\xff", 7)), std::string::npos) << c.name;
    }
    // A mark before a comment line costs a simulator nothing: a note.
    const PanelFile commented = read_panel_text("\xef\xbb\xbf// x\n" + text);
    ASSERT_EQ(commented.messages.size(), 1u);
    EXPECT_FALSE(commented.messages[0].problem);
    EXPECT_NE(commented.messages[0].text.find("which says nothing here"), std::string::npos);
}

TEST(PanelFile, TheFormsPanelsShipWithAreRead)
{
    const PanelFile file =
        read_panel_text("[VCockpit01]\nsize_mm=512\ngauge00=Sub\\Maker!Turn Coordinator, 0, 0, 64,, param=1, b\n"
                        "[Window00]\nsize_mm=1280\nwindow_size=0.5\nfile_1024=b.bmp\ngauge00=M!G,  1,2,,,x\n");
    EXPECT_TRUE(file.messages.empty()) << file.messages[0].text;
    ASSERT_EQ(file.windows.size(), 2u);
    EXPECT_TRUE(file.windows[0].virtual_cockpit);
    const PanelGaugeLine& vc = file.windows[0].gauges[0];
    EXPECT_EQ(std::tie(vc.module, vc.gauge, vc.width, vc.height, vc.parameter),
              std::make_tuple(std::string("Sub\\Maker"), std::string("Turn Coordinator"), std::optional<int>(64),
                              std::optional<int>(), std::string("param=1, b")));
    const PanelWindow& main = file.windows[1];
    EXPECT_EQ(std::make_pair(main.size_mm->width, main.size_mm->height), std::make_pair(1280, 0));
    EXPECT_EQ(main.window_width, 0.5);
    EXPECT_EQ(main.window_height, std::nullopt);
    EXPECT_EQ(main.background()->file, "b.bmp");
    EXPECT_EQ(main.background(800), nullptr);
    EXPECT_EQ(main.gauges[0].parameter, "x");
}

TEST(PanelFile, TenThousandGaugesAndALineOfAMegabyteAreRead)
{
    std::string many = "[Window00]\n";
    for (int i = 0; i < window_gauge_limit; ++i)
        many += "gauge" + std::string(i < 10 ? "0" : "") + std::to_string(i) + "=M!G, " + std::to_string(i) + ", 0\n";
    const PanelFile file = read_panel_text(many);
    EXPECT_TRUE(file.messages.empty());
    ASSERT_EQ(file.windows[0].gauges.size(), 10000u);
    EXPECT_EQ(file.windows[0].gauges.back().x, 9999);

    // Past the limit: one problem for all the lines beyond it, none kept.
    for (int i = window_gauge_limit; i < window_gauge_limit + 3; ++i)
        many += "gauge" + std::to_string(i) + "=M!G, 0, 0\n";
    const PanelFile over = read_panel_text(many);
    ASSERT_EQ(over.messages.size(), 1u);
    EXPECT_EQ(over.messages[0].line, window_gauge_limit + 2);
    EXPECT_EQ(over.messages[0].text.substr(0, 48), "gauge10000: a window holds at most 10000 gauges;");
    EXPECT_EQ(over.windows[0].gauges.size(), 10000u);

    const PanelFile long_line = read_panel_text("[Window00]\ngauge00=M!" + std::string(1 << 20, 'x') +
                                                "\ngauge01=M!G, 1, 2\n[Window01]\ngauge00=M!G, 1, 2\n");
    ASSERT_EQ(long_line.messages.size(), 1u);
    EXPECT_EQ(long_line.messages[0].line, 2);
    EXPECT_LT(long_line.messages[0].text.size(), 200u);
    EXPECT_EQ(long_line.windows[0].gauges.size(), 1u);
    EXPECT_EQ(long_line.windows[1].gauges.size(), 1u);
}

TEST(PanelFile, AFileThatCannotBeReadIsSaidSoAtLineZero)
{
    const std::string folder = testing::TempDir();
    for (const std::string& path : {folder + "/no such panel.cfg", folder}) {
        const PanelFile file = read_panel_file(path);
        ASSERT_EQ(file.messages.size(), 1u) << path;
        EXPECT_EQ(file.messages[0].line, 0);
        EXPECT_TRUE(file.messages[0].problem);
        EXPECT_TRUE(file.windows.empty());
    }
}

} // namespace
