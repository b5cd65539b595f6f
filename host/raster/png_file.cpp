#include "host/raster/png_file.h"

#include <cstdio>

#include "host/raster/png_encoding.h"

bool write_png(const Image& image, const std::string& path)
{
    const std::vector<std::uint8_t> bytes = png_bytes(image);
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr)
        return false;
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    return std::fclose(file) == 0 && written;
}
