// Windows device-independent bitmap files as the panel host loads them from
// resources: uncompressed, 8 bits per pixel, own palette, rows bottom-up.
#pragma once

#include <cstdint>
#include <filesystem>
#include <vector>

#include "tools/artwork/image_types.h"

std::vector<std::uint8_t> encode_bmp(const IndexedImage& image);

// Throws std::runtime_error naming the file when it cannot be written.
void write_bmp(const std::filesystem::path& file, const IndexedImage& image);
