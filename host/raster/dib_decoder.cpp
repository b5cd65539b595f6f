#include "host/raster/dib_decoder.h"

#include <cstdlib>

namespace {

// The info header and its later versions (V2 to V5): none is bigger.
constexpr std::uint64_t info_header_min_bytes = 40;
constexpr std::uint64_t info_header_max_bytes = 124;
constexpr std::uint16_t palettised_bits = 8;
constexpr std::uint16_t true_colour_bits = 24;
constexpr std::uint32_t uncompressed = 0; // BI_RGB
constexpr std::uint64_t palette_entry_bytes = 4;
constexpr std::uint32_t full_palette = 256;
constexpr std::size_t bmp_pixels_offset_at = 10;

std::uint32_t read_u32(std::span<const std::uint8_t> bytes, std::size_t at)
{
    return bytes[at] | bytes[at + 1] << 8 | bytes[at + 2] << 16 | static_cast<std::uint32_t>(bytes[at + 3]) << 24;
}

std::uint16_t read_u16(std::span<const std::uint8_t> bytes, std::size_t at)
{
    return static_cast<std::uint16_t>(bytes[at] | bytes[at + 1] << 8);
}

// What the info header says, every field checked against the bytes there
// are before any is used.
struct DibLayout {
    int width = 0;
    int height = 0;
    bool bottom_up = true; // positive heights store the bottom row first
    std::uint16_t bits = 0;
    std::uint64_t palette_at = 0;
    std::uint32_t colours = 0;   // palette entries
    std::uint64_t pixels_at = 0; // where the rows start
    std::uint64_t stride = 0;    // bytes a row, padded to whole words
};

// `in_file`: where the bitmap starts in its file, for the offsets said.
std::optional<DibLayout> layout_of(std::span<const std::uint8_t> dib, std::optional<std::uint64_t> pixels_at,
                                   std::uint64_t in_file, std::string& problem)
{
    problem.clear();
    if (dib.size() < info_header_min_bytes) {
        problem = "it is too short for a bitmap header (" + std::to_string(dib.size()) + " bytes)";
        return std::nullopt;
    }
    const std::uint64_t header_bytes = read_u32(dib, 0);
    const auto width = static_cast<std::int32_t>(read_u32(dib, 4));
    const auto signed_height = static_cast<std::int32_t>(read_u32(dib, 8));
    const std::uint16_t bits = read_u16(dib, 14);
    const std::uint32_t compression = read_u32(dib, 16);
    const std::uint32_t colours = read_u32(dib, 32);
    const std::int64_t height = std::llabs(std::int64_t{signed_height});
    DibLayout layout{.width = width, .height = static_cast<int>(height), .bottom_up = signed_height > 0, .bits = bits};
    if (header_bytes < info_header_min_bytes || header_bytes > info_header_max_bytes)
        problem = "the header size " + std::to_string(header_bytes) + " is not that of a bitmap header (40 to 124)";
    else if (bits != palettised_bits && bits != true_colour_bits)
        problem = "it has " + std::to_string(bits) + " bits a pixel; this host reads 8 and 24";
    else if (compression != uncompressed)
        problem = "it is compressed (method " + std::to_string(compression) + "); this host reads uncompressed bitmaps";
    else if (width <= 0 || width > image_side_limit || height == 0 || height > image_side_limit)
        problem = "its size " + std::to_string(width) + " x " + std::to_string(signed_height) +
            " is not one from 1 to " + std::to_string(image_side_limit) + " a side";
    else if (colours > full_palette)
        problem = "the colour count " + std::to_string(colours) + " is more than 256";
    if (!problem.empty())
        return std::nullopt;

    layout.colours = bits == palettised_bits && colours == 0 ? full_palette : colours;
    layout.palette_at = header_bytes;
    const std::uint64_t palette_end = header_bytes + layout.colours * palette_entry_bytes;
    layout.pixels_at = pixels_at.value_or(palette_end);
    layout.stride = (std::uint64_t{static_cast<std::uint32_t>(width)} * (bits / 8) + 3) & ~std::uint64_t{3};
    const std::uint64_t end = layout.pixels_at + layout.stride * layout.height;
    if (palette_end > dib.size())
        problem = "its palette of " + std::to_string(layout.colours) + " colours reaches past the end of the file";
    else if (layout.pixels_at < palette_end)
        problem =
            "its rows start at byte " + std::to_string(in_file + layout.pixels_at) + ", inside its header and palette";
    else if (end > dib.size())
        problem = "its rows reach byte " + std::to_string(in_file + end) + ", past the end of the file (" +
            std::to_string(in_file + dib.size()) + " bytes)";
    if (!problem.empty())
        return std::nullopt;
    return layout;
}

std::optional<Image> decode(std::span<const std::uint8_t> dib, const DibLayout& layout, std::string& problem)
{
    Image image(layout.width, layout.height);
    for (int row = 0; row < layout.height; ++row) {
        const int y = layout.bottom_up ? layout.height - 1 - row : row;
        const std::uint64_t row_at = layout.pixels_at + row * layout.stride;
        for (int x = 0; x < layout.width; ++x) {
            if (layout.bits == true_colour_bits) {
                const std::size_t at = row_at + x * std::uint64_t{3}; // blue, green, red
                image.at(x, y) = {dib[at + 2], dib[at + 1], dib[at], 255};
                continue;
            }
            const std::uint8_t index = dib[row_at + x];
            if (index >= layout.colours) {
                problem = "a pixel names colour " + std::to_string(index) + " of a palette of " +
                    std::to_string(layout.colours);
                return std::nullopt;
            }
            const std::size_t entry = layout.palette_at + index * palette_entry_bytes; // blue, green, red, 0
            image.at(x, y) = {dib[entry + 2], dib[entry + 1], dib[entry], 255};
        }
    }
    return image;
}

} // namespace

std::optional<Image> decode_dib(std::span<const std::uint8_t> dib, std::string& problem)
{
    const auto layout = layout_of(dib, std::nullopt, 0, problem);
    return layout ? decode(dib, *layout, problem) : std::nullopt;
}

std::optional<Image> decode_dib(std::span<const std::uint8_t> dib)
{
    std::string problem;
    return decode_dib(dib, problem);
}

std::optional<Image> decode_bmp_file(std::span<const std::uint8_t> file, std::string& problem)
{
    if (file.size() <= bmp_file_header_bytes || file[0] != 'B' || file[1] != 'M') {
        problem = "it is not a .bmp file (it does not start with BM)";
        return std::nullopt;
    }
    const std::uint64_t pixels_offset = read_u32(file, bmp_pixels_offset_at);
    if (pixels_offset < bmp_file_header_bytes) {
        problem = "its rows start at byte " + std::to_string(pixels_offset) + ", inside its file header";
        return std::nullopt;
    }
    const auto dib = file.subspan(bmp_file_header_bytes);
    const auto layout = layout_of(dib, pixels_offset - bmp_file_header_bytes, bmp_file_header_bytes, problem);
    return layout ? decode(dib, *layout, problem) : std::nullopt;
}
