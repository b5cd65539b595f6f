// PNG output through Debian's stb, the one place that includes its code.
// stb frames the file; the compression is zlib's at its fastest level, with
// every row stored unfiltered. stb's own compressor and its trial of five
// filters per row cost about ten times as much for the flat-coloured panels
// the host writes, and make files hardly smaller.
#include "host/raster/png_file.h"

#include <cstdlib>

#include <zlib.h>

#include "host/base/output_file.h"

namespace {

constexpr int unfiltered_rows = 0;

unsigned char* compress_fast(unsigned char* data, int length, int* compressed_length, int /* stb's level */)
{
    uLongf size = compressBound(static_cast<uLong>(length));
    auto* out = static_cast<unsigned char*>(std::malloc(size));
    if (out == nullptr)
        return nullptr;
    if (compress2(out, &size, data, static_cast<uLong>(length), Z_BEST_SPEED) != Z_OK) {
        std::free(out);
        return nullptr;
    }
    *compressed_length = static_cast<int>(size);
    return out;
}

} // namespace

#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wall"
#pragma GCC diagnostic ignored "-Wextra"
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"
#pragma GCC diagnostic ignored "-Wsign-compare"
#pragma GCC diagnostic ignored "-Wunused-parameter"
#pragma GCC diagnostic ignored "-Wunused-function"
#define STB_IMAGE_WRITE_IMPLEMENTATION
#define STB_IMAGE_WRITE_STATIC
#define STBIW_ZLIB_COMPRESS compress_fast
#include <stb/stb_image_write.h>
#pragma GCC diagnostic pop

bool write_png(const Image& image, const std::string& path, std::string* error)
{
    static_assert(sizeof(Rgba) == 4);
    stbi_write_force_png_filter = unfiltered_rows;
    OutputFile file(path);
    const auto put = [](void* stream, void* bytes, int count) {
        static_cast<std::ostream*>(stream)->write(static_cast<const char*>(bytes), count);
    };
    const bool framed = file.open() && stbi_write_png_to_func(put, &file.stream(), image.width, image.height, 4,
                                                              image.pixels.data(), image.width * 4) != 0;
    if (framed && file.commit())
        return true;
    if (error != nullptr)
        *error = file.error().empty() ? path + ": cannot be written: the picture cannot be compressed" : file.error();
    return false;
}
