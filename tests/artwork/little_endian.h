// Reads the fields of a bitmap file the way Windows lays them out, independent
// of the writer under test.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

inline std::uint32_t u16_at(const std::vector<std::uint8_t>& b, std::size_t at)
{
    return b.at(at) | (std::uint32_t(b.at(at + 1)) << 8);
}
inline std::uint32_t u32_at(const std::vector<std::uint8_t>& b, std::size_t at)
{
    return u16_at(b, at) | (u16_at(b, at + 2) << 16);
}
inline std::int32_t i32_at(const std::vector<std::uint8_t>& b, std::size_t at)
{
    return static_cast<std::int32_t>(u32_at(b, at));
}

// BITMAPFILEHEADER and BITMAPINFOHEADER field offsets.
enum BmpField : std::size_t {
    magic = 0,
    file_size = 2,
    pixel_offset = 10,
    info_size = 14,
    width = 18,
    height = 22,
    planes = 26,
    bit_count = 28,
    compression = 30,
    image_size = 34,
    colours_used = 46,
    palette = 54,
};
