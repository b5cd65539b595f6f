// The path of the tone file below the host's folder.
#include "sound/sound_path.h"
#include "sound_test_fixture.h"

namespace {

using SoundPath = SoundTest;

constexpr const char* relative_tone_path = "\\gauges\\zor_sound.wav";

std::string built_path(const char* relative_path)
{
    char* path = build_sound_path(relative_path);
    const std::string text = path != nullptr ? path : "(none)";
    free_sound_path(path);
    return text;
}

TEST_F(SoundPath, JoinsDriveFolderAndRelativePathKeepingBothSeparators)
{
    EXPECT_EQ(built_path(relative_tone_path), "D:\\Sim\\\\gauges\\zor_sound.wav");

    platform.executable_path = "\\\\server\\share\\Sim\\fs2000.exe";
    EXPECT_EQ(built_path(relative_tone_path), "\\\\server\\share\\Sim\\\\gauges\\zor_sound.wav");
}

TEST_F(SoundPath, APathUpToTheTextsSizeIsBuiltAndOneBeyondIsNot)
{
    const std::string folder = "D:\\" + std::string(200, 'f') + "\\";
    platform.executable_path = folder + "fs2000.exe";
    const std::size_t room = 259 - folder.size();

    const std::string fits = "\\" + std::string(room - 1, 'r');
    EXPECT_EQ(built_path(fits.c_str()), folder + fits);

    const std::string too_long = fits + "r";
    EXPECT_EQ(built_path(too_long.c_str()), "(none)");
    EXPECT_EQ(platform.live_texts, 0);
}

TEST_F(SoundPath, AnExecutablePathThatFillsTheBufferGivesNoPath)
{
    const std::string fits = "D:\\" + std::string(250, 'f') + "\\x.exe";
    ASSERT_EQ(fits.size(), 259u);
    platform.executable_path = fits;
    EXPECT_EQ(built_path("\\g"), "D:\\" + std::string(250, 'f') + "\\\\g");

    platform.executable_path = fits + "e";
    EXPECT_EQ(built_path("\\g"), "(none)");
    EXPECT_EQ(platform.live_texts, 0);
}

TEST_F(SoundPath, NoTextMeansNoPath)
{
    platform.fail(SoundCall::allocate_text);
    EXPECT_EQ(built_path(relative_tone_path), "(none)");
}

TEST_F(SoundPath, AnUnreadableExecutablePathGivesNoPathAndTheTextBack)
{
    platform.fail(SoundCall::executable_path);
    EXPECT_EQ(built_path(relative_tone_path), "(none)");
    EXPECT_EQ(platform.live_texts, 0);
}

} // namespace
