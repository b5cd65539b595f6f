// The host's PNG files read back to the pixels written: undrawn, translucent
// and opaque ones, flat areas and busy ones.
#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>

#include <unistd.h>

#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wall"
#pragma GCC diagnostic ignored "-Wextra"
#define STB_IMAGE_IMPLEMENTATION
#define STB_IMAGE_STATIC
#include <stb/stb_image.h>
#pragma GCC diagnostic pop

#include "host/core/image.h"

namespace {

class PngFile : public ::testing::Test {
protected:
    std::filesystem::path path =
        std::filesystem::temp_directory_path() / ("zor-png-" + std::to_string(::getpid()) + ".png");
    void TearDown() override { std::filesystem::remove(path); }

    Image read_back()
    {
        int width = 0, height = 0, channels = 0;
        stbi_uc* data = stbi_load(path.string().c_str(), &width, &height, &channels, 4);
        Image image;
        if (data == nullptr)
            return image;
        image = Image(width, height);
        std::memcpy(image.pixels.data(), data, image.pixels.size() * sizeof(Rgba));
        stbi_image_free(data);
        return image;
    }
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
    const Image read = read_back();
    ASSERT_EQ(read.width, image.width);
    ASSERT_EQ(read.height, image.height);
    EXPECT_TRUE(read.pixels == image.pixels);
}

TEST_F(PngFile, AFileThatCannotBeWrittenIsReported)
{
    EXPECT_FALSE(write_png(Image(4, 4), (path.parent_path() / "zor-no-such-folder" / "panel.png").string()));
}

} // namespace
