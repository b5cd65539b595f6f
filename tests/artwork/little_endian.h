// Reads the fields of a bitmap file the way Windows lays them out, independent
// of the writer under test.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace artwork::testing {

inline std::uint32_t u16_at(const std::vector<std::uint8_t>& b, std::size_t at) {
    return b.at(at) | (std::uint32_t(b.at(at + 1)) << 8);
}
inline std::uint32_t u32_at(const std::vector<std::uint8_t>& b, std::size_t at) {
    return u16_at(b, at) | (u16_at(b, at + 2) << 16);
}
inline std::int32_t i32_at(const std::vector<std::uint8_t>& b, std::size_t at) {
    return static_cast<std::int32_t>(u32_at(b, at));
}

// BITMAPFILEHEADER and BITMAPINFOHEADER field offsets.
enum BmpField : std::size_t {
    kMagic = 0,
    kFileSize = 2,
    kPixelOffset = 10,
    kInfoSize = 14,
    kWidth = 18,
    kHeight = 22,
    kPlanes = 26,
    kBitCount = 28,
    kCompression = 30,
    kImageSize = 34,
    kColoursUsed = 46,
    kPalette = 54,
};

}  // namespace artwork::testing
