// The one bitmap reader, held to broken headers: every field that says
// where or how much is checked against the bytes there are, with the same
// answer in the 64-bit native tree and the 32-bit Windows tree.
#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "host/raster/dib_decoder.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

void put_u32(Bytes& bytes, std::size_t at, std::uint32_t value)
{
    for (int i = 0; i < 4; ++i)
        bytes[at + i] = static_cast<std::uint8_t>(value >> (8 * i));
}

// A .bmp file of 3 x 2 pixels in 8 bits with a palette of two colours,
// the top row red, the bottom row blue.
Bytes good_bmp_file()
{
    constexpr std::size_t header = 40, colours = 2, stride = 4;
    constexpr std::size_t pixels_at = bmp_file_header_bytes + header + colours * 4;
    Bytes file(pixels_at + stride * 2, 0);
    file[0] = 'B', file[1] = 'M';
    put_u32(file, 2, static_cast<std::uint32_t>(file.size()));
    put_u32(file, 10, pixels_at);
    const std::size_t info = bmp_file_header_bytes;
    put_u32(file, info + 0, header);
    put_u32(file, info + 4, 3);                                          // width
    put_u32(file, info + 8, 2);                                          // height, bottom row first
    file[info + 12] = 1;                                                 // planes
    file[info + 14] = 8;                                                 // bits a pixel
    put_u32(file, info + 32, 2);                                         // colours
    put_u32(file, info + header, 0x00FF0000);                            // colour 0: red, as blue, green, red, 0
    put_u32(file, info + header + 4, 0x000000FF);                        // colour 1: blue
    file[pixels_at + 0] = file[pixels_at + 1] = file[pixels_at + 2] = 1; // the bottom row
    file[pixels_at + stride] = file[pixels_at + stride + 1] = file[pixels_at + stride + 2] = 0;
    return file;
}

// Offsets in a .bmp file.
constexpr std::size_t pixels_offset_at = 10;
constexpr std::size_t info_at = bmp_file_header_bytes;

} // namespace

TEST(BitmapReader, ReadsAWholeBitmapFileAndItsResourceForm)
{
    const Bytes file = good_bmp_file();
    std::string problem;
    const auto image = decode_bmp_file(file, problem);
    ASSERT_TRUE(image) << problem;
    EXPECT_EQ(image->width, 3);
    EXPECT_EQ(image->height, 2);
    EXPECT_EQ(image->at(0, 0), (Rgba{255, 0, 0, 255}));
    EXPECT_EQ(image->at(2, 1), (Rgba{0, 0, 255, 255}));
    // A resource holds the same without the file header.
    const auto resource = decode_dib(std::span(file).subspan(bmp_file_header_bytes), problem);
    ASSERT_TRUE(resource) << problem;
    EXPECT_EQ(resource->pixels, image->pixels);
}

TEST(BitmapReader, RefusesEveryBrokenHeaderWithItsReason)
{
    // clang-format off
    const struct {
        const char* what;
        std::function<void(Bytes&)> break_it;
        const char* says;
    } cases[] = {
        {"no BM",                   [](Bytes& f) { f[0] = 'X'; },                              "not a .bmp file"},
        {"cut in the header",       [](Bytes& f) { f.resize(info_at + 20); },                  "too short for a bitmap header"},
        {"header size 0xFFFFFFF0",  [](Bytes& f) { put_u32(f, info_at, 0xFFFFFFF0); },         "header size 4294967280"},
        {"header size 12",          [](Bytes& f) { put_u32(f, info_at, 12); },                 "header size 12"},
        {"colour count 0xFFFFFFFF", [](Bytes& f) { put_u32(f, info_at + 32, 0xFFFFFFFF); },    "colour count 4294967295"},
        {"colour count 257",        [](Bytes& f) { put_u32(f, info_at + 32, 257); },           "colour count 257"},
        {"rows past the end",       [](Bytes& f) { f.resize(f.size() - 1); },                  "past the end of the file"},
        {"rows offset past the end",[](Bytes& f) { put_u32(f, pixels_offset_at, 0x7FFFFFFF); }, "past the end of the file"},
        {"rows offset 0xFFFFFFFF",  [](Bytes& f) { put_u32(f, pixels_offset_at, 0xFFFFFFFF); }, "past the end of the file"},
        {"rows inside the palette", [](Bytes& f) { put_u32(f, pixels_offset_at, 60); },        "inside its header and palette"},
        {"rows inside the file header", [](Bytes& f) { put_u32(f, pixels_offset_at, 2); },     "inside its file header"},
        {"palette past the end",    [](Bytes& f) { put_u32(f, info_at, 124); put_u32(f, info_at + 32, 256); }, "palette of 256 colours"},
        {"width 0",                 [](Bytes& f) { put_u32(f, info_at + 4, 0); },              "its size 0 x 2"},
        {"width over the limit",    [](Bytes& f) { put_u32(f, info_at + 4, image_side_limit + 1); }, "is not one from 1 to 8192"},
        {"width 0x7FFFFFFF",        [](Bytes& f) { put_u32(f, info_at + 4, 0x7FFFFFFF); },     "is not one from 1 to 8192"},
        {"height INT_MIN",          [](Bytes& f) { put_u32(f, info_at + 8, 0x80000000); },     "is not one from 1 to 8192"},
        {"height 0",                [](Bytes& f) { put_u32(f, info_at + 8, 0); },              "is not one from 1 to 8192"},
        {"16 bits a pixel",         [](Bytes& f) { f[info_at + 14] = 16; },                    "16 bits a pixel"},
        {"compressed",              [](Bytes& f) { put_u32(f, info_at + 16, 1); },             "compressed (method 1)"},
        {"colour beyond the palette", [](Bytes& f) { f[f.size() - 6] = 7; },                     "names colour 7 of a palette of 2"},
    };
    // clang-format on
    for (const auto& c : cases) {
        Bytes file = good_bmp_file();
        c.break_it(file);
        std::string problem;
        EXPECT_FALSE(decode_bmp_file(file, problem)) << c.what;
        EXPECT_NE(problem.find(c.says), std::string::npos) << c.what << ": said '" << problem << "'";
    }
}

TEST(BitmapReader, TrueColourRowsAreCheckedAsWell)
{
    // 24 bits: 2 x 1 pixels, one padded row of 8 bytes after the header.
    Bytes dib(40 + 8, 0);
    put_u32(dib, 0, 40);
    put_u32(dib, 4, 2);
    put_u32(dib, 8, static_cast<std::uint32_t>(-1)); // top row first
    dib[12] = 1;
    dib[14] = 24;
    dib[40] = 0xFF; // the first pixel blue
    std::string problem;
    const auto image = decode_dib(dib, problem);
    ASSERT_TRUE(image) << problem;
    EXPECT_EQ(image->at(0, 0), (Rgba{0, 0, 255, 255}));

    put_u32(dib, 32, 0xFFFFFFFF);
    EXPECT_FALSE(decode_dib(dib, problem));
    EXPECT_EQ(problem, "the colour count 4294967295 is more than 256");
    put_u32(dib, 32, 1); // a palette of one pushes the row past the end
    EXPECT_FALSE(decode_dib(dib, problem));
    EXPECT_EQ(problem, "its rows reach byte 52, past the end of the file (48 bytes)");
}
