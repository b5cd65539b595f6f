#include "png_reading.h"

#include <cstring>

#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wall"
#pragma GCC diagnostic ignored "-Wextra"
#define STB_IMAGE_IMPLEMENTATION
#define STB_IMAGE_STATIC
#include <stb/stb_image.h>
#pragma GCC diagnostic pop

Image read_png(const std::filesystem::path& path)
{
    int width = 0, height = 0, channels = 0;
    stbi_uc* data = stbi_load(path.string().c_str(), &width, &height, &channels, 4);
    if (data == nullptr)
        return {};
    Image image(width, height);
    std::memcpy(image.pixels.data(), data, image.pixels.size() * sizeof(Rgba));
    stbi_image_free(data);
    return image;
}
