#include "bmp_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "little_endian.h"
#include "scratch_folder.h"

namespace artwork {
namespace {

using namespace artwork::testing;

// Three columns, two rows, each pixel naming its own palette entry so that
// any reordering shows.
IndexedImage three_by_two() {
    return {.size = {3, 2},
            .palette = {{0, 0, 0}, {10, 20, 30}, {200, 100, 50}, {1, 2, 3}, {4, 5, 6}, {7, 8, 9}},
            .pixels = {0, 1, 2,
                       3, 4, 5}};
}

IndexedImage blank(int width, int height) {
    return {.size = {width, height},
            .palette = {{13, 13, 13}},
            .pixels = std::vector<std::uint8_t>(static_cast<std::size_t>(width) * height, 0)};
}

TEST(BmpFile, HeadersDescribeAnUncompressedEightBitBottomUpImage) {
    const auto bytes = encode_bmp(three_by_two());
    EXPECT_EQ(bytes.at(kMagic), 'B');
    EXPECT_EQ(bytes.at(kMagic + 1), 'M');
    EXPECT_EQ(u32_at(bytes, kFileSize), bytes.size());
    EXPECT_EQ(u32_at(bytes, kInfoSize), 40u);
    EXPECT_EQ(i32_at(bytes, kWidth), 3);
    EXPECT_GT(i32_at(bytes, kHeight), 0) << "a negative height would mean top-down rows";
    EXPECT_EQ(i32_at(bytes, kHeight), 2);
    EXPECT_EQ(u16_at(bytes, kPlanes), 1u);
    EXPECT_EQ(u16_at(bytes, kBitCount), 8u);
    EXPECT_EQ(u32_at(bytes, kCompression), 0u);
    EXPECT_EQ(u32_at(bytes, kColoursUsed), 6u);
}

TEST(BmpFile, PaletteFollowsTheHeadersAsBlueGreenRedZero) {
    const auto bytes = encode_bmp(three_by_two());
    EXPECT_EQ(u32_at(bytes, kPixelOffset), kPalette + 6 * 4);
    const std::size_t entry = kPalette + 2 * 4;
    EXPECT_EQ(bytes.at(entry + 0), 50);
    EXPECT_EQ(bytes.at(entry + 1), 100);
    EXPECT_EQ(bytes.at(entry + 2), 200);
    EXPECT_EQ(bytes.at(entry + 3), 0);
}

TEST(BmpFile, RowsAreStoredBottomUpAndPaddedWithZerosToFourBytes) {
    const auto bytes = encode_bmp(three_by_two());
    const std::size_t pixels = u32_at(bytes, kPixelOffset);
    const std::vector<std::uint8_t> stored(bytes.begin() + static_cast<std::ptrdiff_t>(pixels), bytes.end());
    const std::vector<std::uint8_t> bottom_row_first{3, 4, 5, 0, 0, 1, 2, 0};
    EXPECT_EQ(stored, bottom_row_first);
    EXPECT_EQ(u32_at(bytes, kImageSize), stored.size());
}

TEST(BmpFile, EveryWidthPadsToTheNextMultipleOfFour) {
    const struct {
        int width;
        std::size_t stride;
    } cases[] = {{1, 4}, {3, 4}, {4, 4}, {5, 8}, {19, 20}, {24, 24}, {30, 32}, {361, 364}};
    for (const auto& c : cases) {
        const auto bytes = encode_bmp(blank(c.width, 3));
        EXPECT_EQ(u32_at(bytes, kImageSize), 3 * c.stride) << "width " << c.width;
        EXPECT_EQ(bytes.size(), u32_at(bytes, kPixelOffset) + 3 * c.stride) << "width " << c.width;
    }
}

TEST(BmpFile, RefusesPalettesAnEightBitImageCannotHold) {
    IndexedImage image = blank(2, 2);
    image.palette.clear();
    EXPECT_THROW(encode_bmp(image), std::logic_error);
    image.palette.assign(257, Rgb{20, 20, 20});
    EXPECT_THROW(encode_bmp(image), std::logic_error);
}

TEST(BmpFile, WritesTheEncodedBytesAndReportsAFolderThatIsMissing) {
    const auto folder = scratch_path("bmp");
    std::filesystem::create_directories(folder);
    const auto file = folder / "small.bmp";
    write_bmp(file, three_by_two());
    std::ifstream in(file, std::ios::binary);
    const std::vector<std::uint8_t> written{std::istreambuf_iterator<char>(in), {}};
    EXPECT_EQ(written, encode_bmp(three_by_two()));
    std::filesystem::remove_all(folder);

    EXPECT_THROW(write_bmp(folder / "gone" / "small.bmp", three_by_two()), std::runtime_error);
}

}  // namespace
}  // namespace artwork
