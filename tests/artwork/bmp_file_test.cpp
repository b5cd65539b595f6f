#include "tools/artwork/bmp_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "tests/artwork/little_endian.h"
#include "tests/artwork/scratch_folder.h"

namespace {

// Three columns, two rows, each pixel naming its own palette entry so that
// any reordering shows.
IndexedImage three_by_two()
{
    return {.size = {3, 2},
            .palette = {{0, 0, 0}, {10, 20, 30}, {200, 100, 50}, {1, 2, 3}, {4, 5, 6}, {7, 8, 9}},
            .pixels = {0, 1, 2, 3, 4, 5}};
}

IndexedImage blank(int width, int height)
{
    return {.size = {width, height},
            .palette = {{13, 13, 13}},
            .pixels = std::vector<std::uint8_t>(static_cast<std::size_t>(width) * height, 0)};
}

TEST(BmpFile, HeadersDescribeAnUncompressedEightBitBottomUpImage)
{
    const auto bytes = encode_bmp(three_by_two());
    EXPECT_EQ(bytes.at(magic), 'B');
    EXPECT_EQ(bytes.at(magic + 1), 'M');
    EXPECT_EQ(u32_at(bytes, file_size), bytes.size());
    EXPECT_EQ(u32_at(bytes, info_size), 40u);
    EXPECT_EQ(i32_at(bytes, width), 3);
    EXPECT_GT(i32_at(bytes, height), 0) << "a negative height would mean top-down rows";
    EXPECT_EQ(i32_at(bytes, height), 2);
    EXPECT_EQ(u16_at(bytes, planes), 1u);
    EXPECT_EQ(u16_at(bytes, bit_count), 8u);
    EXPECT_EQ(u32_at(bytes, compression), 0u);
    EXPECT_EQ(u32_at(bytes, colours_used), 6u);
}

TEST(BmpFile, PaletteFollowsTheHeadersAsBlueGreenRedZero)
{
    const auto bytes = encode_bmp(three_by_two());
    EXPECT_EQ(u32_at(bytes, pixel_offset), palette + 6 * 4);
    const std::size_t entry = palette + 2 * 4;
    EXPECT_EQ(bytes.at(entry + 0), 50);
    EXPECT_EQ(bytes.at(entry + 1), 100);
    EXPECT_EQ(bytes.at(entry + 2), 200);
    EXPECT_EQ(bytes.at(entry + 3), 0);
}

TEST(BmpFile, RowsAreStoredBottomUpAndPaddedWithZerosToFourBytes)
{
    const auto bytes = encode_bmp(three_by_two());
    const std::size_t pixels = u32_at(bytes, pixel_offset);
    const std::vector<std::uint8_t> stored(bytes.begin() + static_cast<std::ptrdiff_t>(pixels), bytes.end());
    const std::vector<std::uint8_t> bottom_row_first{3, 4, 5, 0, 0, 1, 2, 0};
    EXPECT_EQ(stored, bottom_row_first);
    EXPECT_EQ(u32_at(bytes, image_size), stored.size());
}

TEST(BmpFile, EveryWidthPadsToTheNextMultipleOfFour)
{
    const struct {
        int width;
        std::size_t stride;
    } cases[] = {{1, 4}, {3, 4}, {4, 4}, {5, 8}, {19, 20}, {24, 24}, {30, 32}, {361, 364}};
    for (const auto& c : cases) {
        const auto bytes = encode_bmp(blank(c.width, 3));
        EXPECT_EQ(u32_at(bytes, image_size), 3 * c.stride) << "width " << c.width;
        EXPECT_EQ(bytes.size(), u32_at(bytes, pixel_offset) + 3 * c.stride) << "width " << c.width;
    }
}

TEST(BmpFile, RefusesPalettesAnEightBitImageCannotHold)
{
    IndexedImage image = blank(2, 2);
    image.palette.clear();
    EXPECT_THROW(encode_bmp(image), std::logic_error);
    image.palette.assign(257, Rgb{20, 20, 20});
    EXPECT_THROW(encode_bmp(image), std::logic_error);
}

TEST(BmpFile, WritesTheEncodedBytesAndReportsAFolderThatIsMissing)
{
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

} // namespace
