// PNG files of the host's images.
#pragma once

#include "host/raster/image.h"

#include <string>

// Writes a PNG; false when the file cannot be written.
bool write_png(const Image& image, const std::string& path);
