#include "tools/cursors/cursor_file.h"

namespace {

constexpr std::uint16_t resource_type_cursor = 2;
constexpr std::uint32_t bitmap_header_bytes = 40;
constexpr std::uint32_t palette_bytes = 2 * 4; // black, white
constexpr std::uint32_t row_bytes = cursor_size / 8;
constexpr std::uint32_t plane_bytes = row_bytes * cursor_size;
constexpr std::uint32_t image_bytes = bitmap_header_bytes + palette_bytes + 2 * plane_bytes;
constexpr std::uint32_t directory_bytes = 6 + 16;

void put16(std::vector<std::uint8_t>& out, std::uint32_t value)
{
    out.push_back(static_cast<std::uint8_t>(value));
    out.push_back(static_cast<std::uint8_t>(value >> 8));
}

void put32(std::vector<std::uint8_t>& out, std::uint32_t value)
{
    put16(out, value & 0xFFFF);
    put16(out, value >> 16);
}

struct Planes {
    std::vector<std::uint8_t> colour = std::vector<std::uint8_t>(plane_bytes, 0);  // 1 white
    std::vector<std::uint8_t> mask = std::vector<std::uint8_t>(plane_bytes, 0xFF); // 1 clear
};

std::optional<Planes> planes_of(const CursorArt& art, std::string& error)
{
    const std::string name = art.file_name;
    if (art.rows.empty() || art.rows.size() > cursor_size)
        return error = name + ": needs 1 to 32 rows", std::nullopt;
    Planes planes;
    for (std::size_t y = 0; y < art.rows.size(); ++y) {
        const std::string_view row = art.rows[y];
        if (row.size() != art.rows[0].size() || row.size() > cursor_size)
            return error = name + ": row " + std::to_string(y) + " is not as wide as the first, up to 32", std::nullopt;
        // Rows are stored from the bottom of the 32-row image.
        const std::size_t stored = (cursor_size - 1 - y) * row_bytes;
        for (std::size_t x = 0; x < row.size(); ++x) {
            const auto bit = static_cast<std::uint8_t>(0x80 >> (x % 8));
            const char c = row[x];
            if (c != '#' && c != 'o' && c != ' ')
                return error = name + ": '" + std::string(1, c) + "' in row " + std::to_string(y), std::nullopt;
            if (c != ' ')
                planes.mask[stored + x / 8] &= static_cast<std::uint8_t>(~bit);
            if (c == 'o')
                planes.colour[stored + x / 8] |= bit;
        }
    }
    const bool hot_inside = art.hot_x >= 0 && art.hot_y >= 0 && art.hot_x < static_cast<int>(art.rows[0].size()) &&
        art.hot_y < static_cast<int>(art.rows.size());
    if (!hot_inside)
        return error = name + ": the hot spot lies outside the art", std::nullopt;
    return planes;
}

} // namespace

std::optional<std::vector<std::uint8_t>> cursor_file_bytes(const CursorArt& art, std::string& error)
{
    const std::optional<Planes> planes = planes_of(art, error);
    if (!planes)
        return std::nullopt;
    std::vector<std::uint8_t> out;
    put16(out, 0);
    put16(out, resource_type_cursor);
    put16(out, 1); // one image
    out.push_back(cursor_size);
    out.push_back(cursor_size);
    out.push_back(2); // colours
    out.push_back(0);
    put16(out, static_cast<std::uint32_t>(art.hot_x));
    put16(out, static_cast<std::uint32_t>(art.hot_y));
    put32(out, image_bytes);
    put32(out, directory_bytes);

    put32(out, bitmap_header_bytes);
    put32(out, cursor_size);
    put32(out, 2 * cursor_size); // colour rows over mask rows
    put16(out, 1);               // planes
    put16(out, 1);               // bits per pixel
    put32(out, 0);               // uncompressed
    put32(out, 2 * plane_bytes);
    put32(out, 0);
    put32(out, 0);
    put32(out, 2); // colours used
    put32(out, 0);
    put32(out, 0x00000000); // black
    put32(out, 0x00FFFFFF); // white
    out.insert(out.end(), planes->colour.begin(), planes->colour.end());
    out.insert(out.end(), planes->mask.begin(), planes->mask.end());
    return out;
}
