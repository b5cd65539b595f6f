#include "host/raster/png_file.h"

#include <cstdio>

<<<<<<< HEAD
#include "host/raster/png_encoding.h"
=======
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
>>>>>>> h-writes

bool write_png(const Image& image, const std::string& path, std::string* error)
{
<<<<<<< HEAD
    const std::vector<std::uint8_t> bytes = png_bytes(image);
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr)
        return false;
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    return std::fclose(file) == 0 && written;
=======
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
>>>>>>> h-writes
}
