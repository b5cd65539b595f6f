// Reads a PNG file the host wrote back into an Image, so tests compare
// decoded pixels rather than the bytes of one encoding.
#pragma once

#include <filesystem>

#include "host/raster/image.h"

// An empty Image (0 x 0) when the file cannot be read or decoded.
Image read_png(const std::filesystem::path& path);
