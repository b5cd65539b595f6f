#include "tools/artwork/bmp_file.h"

#include <fstream>
#include <stdexcept>

#include "tools/artwork/colour_quantiser.h"

namespace {

constexpr std::uint32_t file_header_bytes = 14;
constexpr std::uint32_t info_header_bytes = 40;  // BITMAPINFOHEADER
constexpr std::uint32_t palette_entry_bytes = 4; // RGBQUAD: blue, green, red, 0
constexpr std::uint16_t bits_per_pixel = 8;
constexpr std::uint32_t uncompressed = 0;        // BI_RGB
constexpr std::uint32_t pixels_per_metre = 2835; // 72 dots per inch

class LittleEndianWriter {
public:
    explicit LittleEndianWriter(std::vector<std::uint8_t>& out) : out_(out) {}
    void u8(std::uint8_t v) { out_.push_back(v); }
    void u16(std::uint16_t v) { u8(v & 0xff), u8(v >> 8); }
    void u32(std::uint32_t v) { u16(v & 0xffff), u16(v >> 16); }

private:
    std::vector<std::uint8_t>& out_;
};

// Every row of a DIB starts on a 4-byte boundary.
std::uint32_t row_stride(int width)
{
    return (static_cast<std::uint32_t>(width) + 3u) & ~3u;
}

} // namespace

std::vector<std::uint8_t> encode_bmp(const IndexedImage& image)
{
    if (image.palette.empty() || image.palette.size() > max_palette_size)
        throw std::logic_error("an 8-bit bitmap needs 1 to 256 palette entries");
    const auto width = static_cast<std::uint32_t>(image.size.width);
    const auto height = static_cast<std::uint32_t>(image.size.height);
    const auto palette_entries = static_cast<std::uint32_t>(image.palette.size());
    const std::uint32_t pixel_offset = file_header_bytes + info_header_bytes + palette_entries * palette_entry_bytes;
    const std::uint32_t pixel_bytes = row_stride(image.size.width) * height;

    std::vector<std::uint8_t> out;
    out.reserve(pixel_offset + pixel_bytes);
    LittleEndianWriter w(out);
    w.u8('B'), w.u8('M');
    w.u32(pixel_offset + pixel_bytes);
    w.u32(0); // reserved
    w.u32(pixel_offset);

    w.u32(info_header_bytes);
    w.u32(width);
    w.u32(height); // positive: bottom-up
    w.u16(1);      // planes
    w.u16(bits_per_pixel);
    w.u32(uncompressed);
    w.u32(pixel_bytes);
    w.u32(pixels_per_metre);
    w.u32(pixels_per_metre);
    w.u32(palette_entries); // colours used
    w.u32(0);               // all colours important

    for (Rgb c : image.palette)
        w.u8(c.b), w.u8(c.g), w.u8(c.r), w.u8(0);

    for (std::uint32_t row = height; row-- > 0;) {
        const auto first = image.pixels.begin() + static_cast<std::ptrdiff_t>(row * width);
        out.insert(out.end(), first, first + width);
        out.resize(out.size() + (row_stride(image.size.width) - width), 0);
    }
    return out;
}

void write_bmp(const std::filesystem::path& file, const IndexedImage& image)
{
    const std::vector<std::uint8_t> bytes = encode_bmp(image);
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    if (!out)
        throw std::runtime_error("cannot write " + file.string());
}
