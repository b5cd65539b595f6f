// The host's PNG files read back to the pixels written: undrawn, translucent
// and opaque ones, flat areas and busy ones.
#include <gtest/gtest.h>

#include <filesystem>

#include <unistd.h>

#include "host/raster/image.h"
#include "host/raster/png_file.h"
#include "png_reading.h"

namespace {

class PngFile : public ::testing::Test {
protected:
    std::filesystem::path path =
        std::filesystem::temp_directory_path() / ("zor-png-" + std::to_string(::getpid()) + ".png");
    void TearDown() override { std::filesystem::remove(path); }
};

TEST_F(PngFile, ReadsBackToThePixelsWritten)
{
    // A flat panel-grey half, and a half where every pixel differs,
    // alpha included; an odd width, so rows do not line up with words.
    Image image(301, 97, {48, 52, 56, 255});
    for (int y = 0; y < image.height; ++y)
        for (int x = image.width / 2; x < image.width; ++x)
            image.at(x, y) = {std::uint8_t(x * 7 + y), std::uint8_t(x ^ y), std::uint8_t(y * 3),
                              std::uint8_t((x + y) % 4 == 0 ? 0 : x * y)};
    ASSERT_TRUE(write_png(image, path.string()));
    const Image read = read_png(path);
    ASSERT_EQ(read.width, image.width);
    ASSERT_EQ(read.height, image.height);
    EXPECT_TRUE(read.pixels == image.pixels);
}

TEST_F(PngFile, AFileThatCannotBeWrittenIsReported)
{
    EXPECT_FALSE(write_png(Image(4, 4), (path.parent_path() / "zor-no-such-folder" / "panel.png").string()));
}

} // namespace
