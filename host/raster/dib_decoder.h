// The one bitmap reader of both hosts: an 8-bit or 24-bit Windows
// device-independent bitmap, as a bitmap resource holds it (the info
// header, the palette, the rows) or as a .bmp file holds it (a file header
// in front), turned into an Image. Every header field is checked against
// the bytes there are, in arithmetic wide enough for any field, so a file
// gets the same answer in the 32-bit and the 64-bit host, and no picture
// larger than image_side_limit a side is allocated.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>

#include "host/raster/image.h"

// Bytes of the file header that a .bmp file has in front of what a bitmap
// resource stores.
inline constexpr std::size_t bmp_file_header_bytes = 14;

// The largest .bmp file that can hold a bitmap within image_side_limit: a
// larger one is refused before it is read.
inline constexpr std::uint64_t bmp_file_max_bytes = bmp_file_header_bytes + 124 + 256 * 4 +
    std::uint64_t{image_side_limit} * 3 * image_side_limit + std::uint64_t{image_side_limit} * 4;

// Every pixel opaque; nullopt with the reason ("the colour count
// 4294967295 is more than 256", ...) for anything but a whole, uncompressed
// 8-bit or 24-bit bitmap.
std::optional<Image> decode_dib(std::span<const std::uint8_t> dib, std::string& problem);
std::optional<Image> decode_dib(std::span<const std::uint8_t> dib);
// The same from a .bmp file's bytes: its file header's "BM" and the offset
// of its rows are checked as well.
std::optional<Image> decode_bmp_file(std::span<const std::uint8_t> file, std::string& problem);
