// PNG files of the host's images.
#pragma once

#include "host/raster/image.h"

#include <string>

// Writes a PNG as an output file (host/base/output_file.h); false, with
// the file and the reason in `error` when asked, when it cannot be written.
bool write_png(const Image& image, const std::string& path, std::string* error = nullptr);
