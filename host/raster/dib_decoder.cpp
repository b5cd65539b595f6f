#include "host/raster/dib_decoder.h"

#include <algorithm>
#include <cstdlib>

namespace {

constexpr std::size_t info_header_min_bytes = 40;
constexpr std::uint16_t palettised_bits = 8;
constexpr std::uint16_t true_colour_bits = 24;
// Sides beyond any panel's, so a file's sizes cannot overflow the arithmetic.
constexpr std::int32_t largest_side = 16384;
constexpr std::uint32_t uncompressed = 0; // BI_RGB
constexpr std::size_t palette_entry_bytes = 4;
constexpr std::uint32_t full_palette = 256;

std::uint32_t read_u32(std::span<const std::uint8_t> bytes, std::size_t at)
{
    return bytes[at] | bytes[at + 1] << 8 | bytes[at + 2] << 16 | static_cast<std::uint32_t>(bytes[at + 3]) << 24;
}

std::uint16_t read_u16(std::span<const std::uint8_t> bytes, std::size_t at)
{
    return static_cast<std::uint16_t>(bytes[at] | bytes[at + 1] << 8);
}

// Rows of blue, green, red bytes, each row padded to whole words.
std::optional<Image> decode_true_colour(std::span<const std::uint8_t> dib, std::size_t pixels_at, int width,
                                        int signed_height)
{
    const int height = std::abs(signed_height);
    const std::size_t stride = (static_cast<std::size_t>(width) * 3 + 3) & ~std::size_t{3};
    if (dib.size() < pixels_at + stride * height)
        return std::nullopt;
    Image image(width, height);
    for (int row = 0; row < height; ++row) {
        const int y = signed_height > 0 ? height - 1 - row : row;
        for (int x = 0; x < width; ++x) {
            const std::size_t at = pixels_at + row * stride + static_cast<std::size_t>(x) * 3;
            image.at(x, y) = {dib[at + 2], dib[at + 1], dib[at], 255};
        }
    }
    return image;
}

} // namespace

std::optional<Image> decode_dib(std::span<const std::uint8_t> dib)
{
    if (dib.size() < info_header_min_bytes)
        return std::nullopt;
    const std::uint32_t header_bytes = read_u32(dib, 0);
    const auto width = static_cast<std::int32_t>(read_u32(dib, 4));
    const auto signed_height = static_cast<std::int32_t>(read_u32(dib, 8));
    const std::uint16_t bits = read_u16(dib, 14);
    const std::uint32_t compression = read_u32(dib, 16);
    std::uint32_t colours = read_u32(dib, 32);
    if (header_bytes < info_header_min_bytes || (bits != palettised_bits && bits != true_colour_bits) ||
        compression != uncompressed || width <= 0 || width > largest_side || signed_height == 0 ||
        signed_height < -largest_side || signed_height > largest_side)
        return std::nullopt;
    if (bits == true_colour_bits)
        return decode_true_colour(dib, header_bytes + std::min(colours, full_palette) * palette_entry_bytes, width,
                                  signed_height);
    if (colours == 0 || colours > full_palette)
        colours = full_palette;

    // Positive heights store the bottom row first.
    const bool bottom_up = signed_height > 0;
    const int height = std::abs(signed_height);
    const std::size_t palette_at = header_bytes;
    const std::size_t pixels_at = palette_at + colours * palette_entry_bytes;
    const std::size_t stride = (static_cast<std::size_t>(width) + 3) & ~std::size_t{3};
    if (dib.size() < pixels_at + stride * height)
        return std::nullopt;

    Image image(width, height);
    for (int row = 0; row < height; ++row) {
        const int y = bottom_up ? height - 1 - row : row;
        for (int x = 0; x < width; ++x) {
            const std::uint8_t index = dib[pixels_at + row * stride + x];
            if (index >= colours)
                return std::nullopt;
            const std::size_t entry = palette_at + index * palette_entry_bytes; // blue, green, red, 0
            image.at(x, y) = {dib[entry + 2], dib[entry + 1], dib[entry], 255};
        }
    }
    return image;
}
