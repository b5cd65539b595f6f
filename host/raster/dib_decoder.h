// Turns an 8-bit or 24-bit Windows device-independent bitmap, as a bitmap
// resource holds it (the info header, the palette, the rows), into an Image.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

#include "host/raster/image.h"

// Bytes of the file header that a .bmp file has in front of what a bitmap
// resource stores.
inline constexpr std::size_t bmp_file_header_bytes = 14;

// Every pixel opaque; nullopt for anything but an uncompressed 8-bit or
// 24-bit bitmap.
std::optional<Image> decode_dib(std::span<const std::uint8_t> dib);
