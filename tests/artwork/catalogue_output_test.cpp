#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>

#include "tools/artwork/artwork_output.h"
#include "tools/artwork/face_geometry.h"
#include "tools/artwork/image_catalogue.h"
#include "tools/artwork/key_colours.h"
#include "tests/artwork/little_endian.h"
#include "tests/artwork/scratch_folder.h"
#include "tools/artwork/seven_segment.h"

namespace {

std::vector<std::uint8_t> read_file(const std::filesystem::path& file)
{
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

class WrittenArtwork : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        out_dir_ = scratch_path("catalogue");
        write_artwork(out_dir_);
    }
    static void TearDownTestSuite() { std::filesystem::remove_all(out_dir_); }
    static std::filesystem::path out_dir_;
};
std::filesystem::path WrittenArtwork::out_dir_;

TEST_F(WrittenArtwork, EveryResourceIdIsAnEightBitBitmapOfItsFramesSize)
{
    int files = 0;
    for (const ImageFamily& family : image_catalogue()) {
        for (int frame = 0; frame < family.frame_count; ++frame) {
            const auto id = std::to_string(family.first_id + frame);
            const auto bytes = read_file(out_dir_ / (id + ".bmp"));
            ASSERT_GT(bytes.size(), std::size_t{palette}) << id;
            EXPECT_EQ(i32_at(bytes, width), frame_size(family, frame).width) << id;
            EXPECT_EQ(i32_at(bytes, height), frame_size(family, frame).height) << id;
            EXPECT_EQ(u16_at(bytes, bit_count), 8u) << id;
            EXPECT_EQ(u32_at(bytes, file_size), bytes.size()) << id;
            ++files;
        }
    }
    int bitmaps_on_disk = 0;
    for (const auto& entry : std::filesystem::directory_iterator(out_dir_)) {
        bitmaps_on_disk += entry.path().extension() == ".bmp" ? 1 : 0;
    }
    EXPECT_EQ(bitmaps_on_disk, files) << "no stray or missing bitmap files";
}

TEST_F(WrittenArtwork, EverySheetIsAPngForPeopleToLookAt)
{
    std::set<std::string> sheets;
    for (const ImageFamily& family : image_catalogue())
        sheets.insert(family.sheet);
    for (const std::string& sheet : sheets) {
        const auto bytes = read_file(out_dir_ / "sheets" / (sheet + ".png"));
        ASSERT_GT(bytes.size(), 8u) << sheet;
        EXPECT_EQ(std::string(bytes.begin() + 1, bytes.begin() + 4), "PNG") << sheet;
    }
}

TEST(ImageCatalogue, ResourceIdRunsNeverOverlap)
{
    std::set<int> ids;
    for (const ImageFamily& family : image_catalogue()) {
        for (int frame = 0; frame < family.frame_count; ++frame) {
            EXPECT_TRUE(ids.insert(family.first_id + frame).second) << family.name << " frame " << frame;
        }
    }
}

TEST(ImageCatalogue, DigitStripsHoldFourBanksOfEveryDigitCode)
{
    int strips = 0;
    for (const ImageFamily& family : image_catalogue()) {
        if (std::string_view(family.name).ends_with("_digits")) {
            EXPECT_EQ(family.frame_count, lcd_bank_count * digit_code_count) << family.name;
            for (int frame = digit_code_count; frame < family.frame_count; ++frame) {
                EXPECT_EQ(frame_size(family, frame), frame_size(family, digit_code_count)) << family.name;
            }
            ++strips;
        }
    }
    EXPECT_EQ(strips, 3);
}

TEST(ImageCatalogue, LcdImagesOfFourFramesHaveOneFramePerBank)
{
    for (const char* name : {"lit_dial", "deviation_border"}) {
        for (const ImageFamily& family : image_catalogue()) {
            if (family.name == std::string_view(name)) {
                EXPECT_EQ(family.frame_count, lcd_bank_count) << name;
            }
        }
    }
}

// The digits tile their windows on the face without gaps or overlap.
TEST(ImageCatalogue, DigitFramesTileTheirWindows)
{
    auto first_size = [](std::string_view name) {
        for (const ImageFamily& f : image_catalogue()) {
            if (f.name == name)
                return f.size;
        }
        return FrameSize{};
    };
    const FrameSize medium = first_size("medium_digits"), large = first_size("large_digits"),
                    small = first_size("small_digits"), face = first_size("face");
    EXPECT_EQ(5 * medium.width, face_selected_altitude_window.w);
    EXPECT_EQ(2 * large.width + 3 * medium.width, face_altitude_window.w);
    EXPECT_EQ(large.height, face_altitude_window.h);
    EXPECT_EQ(4 * small.width, face_pressure_window.w);
    EXPECT_EQ(first_size("lit_dial"), face);
    EXPECT_EQ(first_size("deviation_border").width, face_deviation_border.w);
    EXPECT_EQ(face, face_frame_size);
}

TEST(WriteArtwork, ReportsAnOutputFolderThatCannotBeMade)
{
    const auto blocker = scratch_path("not_a_folder");
    std::ofstream(blocker) << "a file where the folder should go";
    EXPECT_THROW(write_artwork(blocker / "out"), std::runtime_error);
    std::filesystem::remove(blocker);
}

} // namespace
