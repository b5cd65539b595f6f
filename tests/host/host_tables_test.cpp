// The host's own tables and readers: message inserts, the main-window
// class rule, bitmaps read from the generated files.
#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

#include "host/panel/element_chain.h"
#include "host/panel/window_class.h"
#include "host/panel/message_format.h"
#include "host/panel/variables.h"
#include "host/linked/native_platform.h"

namespace {

TEST(MessageFormat, FillsNumberedInsertsAsFormatMessageDoes)
{
    const struct {
        const char* text;
        std::vector<std::int32_t> args;
        const char* expected;
    } cases[] = {
        {"%1!4d!", {1013}, "1013"},  {"%1!4d!", {700}, " 700"},      {"%1!4d!", {12345}, "12345"},
        {"%1!d! mb", {-5}, "-5 mb"}, {"%2!d!-%1!d!", {1, 2}, "2-1"}, {"100%%", {}, "100%"},
        {"%1!4d!", {}, ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(format_message(c.text, c.args), c.expected) << c.text;
}

// The status strip's words for what the module sent; the pressure in
// sixteenths of a millibar, as the key event carries it.
TEST(KeyEventWords, ThePressureSentIsSaidInMillibars)
{
    EXPECT_EQ(key_event_words(key_event_kohlsman_set, 16208), "altimeter setting 1013 mb sent");
    EXPECT_EQ(key_event_words(key_event_kohlsman_set, 16212), "altimeter setting 1013.25 mb sent");
    EXPECT_EQ(key_event_words(key_event_kohlsman_set, 0), "altimeter setting 0 mb sent");
    EXPECT_EQ(key_event_words(12345, 4294967295u), "key event 12345 (4294967295) sent");
}

TEST(MainWindowClass, FollowsTheExecutableNameCharacterByCharacter)
{
    const struct {
        const char* name;
        const char* window_class;
    } cases[] = {
        {"AB12", "MSCFSMAIN"}, {"Cabin", "MSCFSMAIN"}, {"AB2X", "FS98MAIN"},
        {"host", "FS98MAIN"},  {"C2X2", "MSCFSMAIN"},  {"C12", "MSCFSMAIN"},
        {"cabin", "FS98MAIN"}, {"A2", "FS98MAIN"},     {"", "FS98MAIN"},
    };
    for (const auto& c : cases)
        EXPECT_STREQ(main_window_class_for(c.name), c.window_class) << c.name;
    EXPECT_EQ(executable_file_name("C:\\Sim\\fs2000.exe"), "fs2000");
    EXPECT_EQ(executable_file_name("/opt/host/AB12.exe"), "AB12");
}

TEST(GeneratedBitmaps, DecodeToTheSizesOfTheFaceLayout)
{
    NativePlatform platform(ZOR_BITMAP_DIR, ZOR_ALERT_WAV, "C:\\Host\\host.exe");
    const struct {
        std::uint32_t id;
        int width, height;
    } cases[] = {
        {5984, 361, 358}, {5989, 361, 358}, {6000, 142, 47}, {6016, 24, 30}, {6028, 24, 32}, {6272, 19, 24},
        {6284, 19, 25},   {6528, 30, 40},   {6592, 128, 6},  {5248, 30, 65}, {5255, 30, 65},
    };
    for (const auto& c : cases) {
        const auto image = platform.bitmap(c.id);
        ASSERT_TRUE(image) << c.id;
        EXPECT_EQ(image->width, c.width) << c.id;
        EXPECT_EQ(image->height, c.height) << c.id;
    }
    EXPECT_FALSE(platform.bitmap(1234));
}

// Every frame that an element of the linked module can ask for is a bitmap
// the artwork generator drew, whatever ids the layout gives.
TEST(GeneratedBitmaps, EveryElementsFramesLieInsideTheGeneratedRuns)
{
    NativePlatform platform(ZOR_BITMAP_DIR, ZOR_ALERT_WAV, "C:\\Host\\host.exe");
    const LoadedModule module = NativePlatform::linked_module();
    int elements = 0;
    for (const GaugeHeader* gauge : module.linkage->gauge_table) {
        if (gauge == nullptr)
            break;
        for (ElementHeader* e : element_chain(*gauge)) {
            ++elements;
            const std::uint32_t frames = e->kind == element_icon ? reinterpret_cast<IconElement*>(e)->frame_count : 1;
            EXPECT_GT(frames, 0u) << gauge->name << " bitmap " << e->resource_id;
            for (std::uint32_t frame = 0; frame < frames; ++frame)
                EXPECT_TRUE(platform.bitmap(e->resource_id + frame))
                    << gauge->name << " asks for " << e->resource_id + frame;
        }
    }
    EXPECT_GT(elements, 0);
}

} // namespace
