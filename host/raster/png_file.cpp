#include "host/raster/png_file.h"

#include "host/base/output_file.h"
#include "host/raster/png_encoding.h"

bool write_png(const Image& image, const std::string& path, std::string* error)
{
    const std::vector<std::uint8_t> bytes = png_bytes(image);
    OutputFile file(path);
    if (file.open()) {
        file.stream().write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
        if (file.commit())
            return true;
    }
    if (error != nullptr)
        *error = file.error();
    return false;
}
