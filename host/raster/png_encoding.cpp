#include "host/raster/png_encoding.h"

#include <array>
#include <cstring>
#include <string_view>

#include <zlib.h>

namespace {

// clang-format off
constexpr std::uint8_t png_signature[]   = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1a, '\n'};
constexpr std::uint8_t zlib_header[]     = {0x78, 0x01}; // deflate, 32 KiB window, fastest
constexpr std::uint8_t filter_sub        = 1;
constexpr int          min_copy          = 3;
constexpr int          max_copy          = 258;
constexpr int          max_distance      = 32768;
constexpr std::uint32_t adler_modulus    = 65521;
// Deflate's copy lengths and distances: the first of each code and its extra bits.
constexpr std::array<int, 29> length_base  = {3, 4, 5, 6, 7, 8, 9, 10, 11, 13, 15, 17, 19, 23, 27, 31, 35, 43, 51, 59,
                                              67, 83, 99, 115, 131, 163, 195, 227, 258};
constexpr std::array<int, 29> length_extra = {0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 1, 1, 2, 2, 2, 2, 3, 3, 3, 3,
                                              4, 4, 4, 4, 5, 5, 5, 5, 0};
constexpr std::array<int, 30> distance_base  = {1, 2, 3, 4, 5, 7, 9, 13, 17, 25, 33, 49, 65, 97, 129, 193, 257, 385,
                                                513, 769, 1025, 1537, 2049, 3073, 4097, 6145, 8193, 12289, 16385,
                                                24577};
constexpr std::array<int, 30> distance_extra = {0, 0, 0, 0, 1, 1, 2, 2, 3, 3, 4, 4, 5, 5, 6, 6, 7, 7, 8, 8, 9, 9,
                                                10, 10, 11, 11, 12, 12, 13, 13};
// clang-format on

// Bits as deflate packs them: from the lowest bit of each byte up.
struct Bits {
    std::uint64_t value; // already in the order they are written
    int count;
};

std::uint32_t reversed(std::uint32_t code, int count)
{
    std::uint32_t out = 0;
    for (int i = 0; i < count; ++i)
        out |= ((code >> i) & 1u) << (count - 1 - i);
    return out;
}

// A symbol of the fixed literal/length code; Huffman codes go highest bit first.
Bits fixed_symbol(int symbol)
{
    if (symbol < 144)
        return {reversed(0x30 + symbol, 8), 8};
    if (symbol < 256)
        return {reversed(0x190 + symbol - 144, 9), 9};
    if (symbol < 280)
        return {reversed(symbol - 256, 7), 7};
    return {reversed(0xc0 + symbol - 280, 8), 8};
}

// A pair of literals' codes packed in one word: the bits, then their count
// in the top byte (at most 18 bits of codes).
using PackedPair = std::uint32_t;
constexpr int pair_count_shift = 24;

struct FixedCodes {
    std::array<Bits, 256> literal;
    std::vector<PackedPair> literal_pair; // by first byte | second byte << 8
    std::array<Bits, max_copy + 1> length; // code and extra bits, by length
    Bits end_of_block;

    FixedCodes()
    {
        for (int i = 0; i < 256; ++i)
            literal[i] = fixed_symbol(i);
        literal_pair.resize(256 * 256);
        for (int second = 0; second < 256; ++second)
            for (int first = 0; first < 256; ++first)
                literal_pair[first | second << 8] =
                    static_cast<PackedPair>(literal[first].value | literal[second].value << literal[first].count) |
                    static_cast<PackedPair>(literal[first].count + literal[second].count) << pair_count_shift;
        for (int n = min_copy; n <= max_copy; ++n) {
            int code = static_cast<int>(length_base.size()) - 1;
            while (length_base[code] > n)
                --code;
            const Bits symbol = fixed_symbol(257 + code);
            length[n] = {symbol.value | static_cast<std::uint32_t>(n - length_base[code]) << symbol.count,
                         symbol.count + length_extra[code]};
        }
        end_of_block = fixed_symbol(256);
    }
};

// A distance's fixed five-bit code and its extra bits.
Bits distance_bits(int distance)
{
    int code = static_cast<int>(distance_base.size()) - 1;
    while (distance_base[code] > distance)
        --code;
    return {reversed(code, 5) | static_cast<std::uint32_t>(distance - distance_base[code]) << 5,
            5 + distance_extra[code]};
}

// zlib's checksum of the bytes before compression; a run of zeros is one
// step. Reduced once a row (`row_done`): a row of up to 65537 bytes keeps a
// and b far under 2^64.
class Adler32 {
public:
    void byte(std::uint8_t v)
    {
        a_ += v;
        b_ += a_;
    }
    void four(const std::uint8_t (&v)[4])
    {
        b_ += 4 * a_ + 4u * v[0] + 3u * v[1] + 2u * v[2] + v[3];
        a_ += 0u + v[0] + v[1] + v[2] + v[3];
    }
    void zeros(std::size_t n) { b_ += a_ * n; }
    void row_done()
    {
        a_ %= adler_modulus;
        b_ %= adler_modulus;
    }
    std::uint32_t value()
    {
        row_done();
        return static_cast<std::uint32_t>(b_ << 16 | a_);
    }

private:
    std::uint64_t a_ = 1, b_ = 0;
};

class DeflateWriter {
public:
    // `raw_bytes`: the stream's size before compression, for a first guess
    // of the room it needs.
    DeflateWriter(std::vector<std::uint8_t>& out, std::size_t raw_bytes) : out_(out), at_(out.size())
    {
        out_.resize(at_ + raw_bytes / first_guess_ratio + word_slack);
        put({3, 3}); // the last block, in fixed codes
    }

    void literal(std::uint8_t v)
    {
        put(codes_.literal[v]);
        adler_.byte(v);
        last_ = v;
    }
    // One pixel's four filtered bytes, at most 36 bits.
    void literals(const std::uint8_t (&v)[4])
    {
        put(two(unpacked(codes_.literal_pair[v[0] | v[1] << 8]), unpacked(codes_.literal_pair[v[2] | v[3] << 8])));
        adler_.four(v);
        last_ = v[3];
    }
    // `n` zero bytes, as copies of the zero before them.
    void zeros(std::size_t n)
    {
        if (n == 0)
            return;
        adler_.zeros(n);
        if (last_ != 0) {
            put(codes_.literal[0]);
            --n;
        }
        copy_or_literals(n, one_back_, nullptr);
        last_ = 0;
    }
    // The bytes of `bytes`, as copies of those `distance` bytes back.
    void repeat(const std::vector<std::uint8_t>& bytes, const Bits& distance)
    {
        for (std::uint8_t v : bytes)
            adler_.byte(v);
        copy_or_literals(bytes.size(), distance, bytes.data());
        last_ = bytes.back();
    }
    void row_done() { adler_.row_done(); }
    void finish()
    {
        put(codes_.end_of_block);
        if (bit_count_ > 0)
            out_[at_++] = static_cast<std::uint8_t>(bits_);
        out_.resize(at_);
        const std::uint32_t sum = adler_.value();
        for (int shift = 24; shift >= 0; shift -= 8)
            out_.push_back(static_cast<std::uint8_t>(sum >> shift));
    }

private:
    // Copies of at most 258 bytes; a tail shorter than a copy as literals
    // (`bytes` holds them, or they are zeros).
    void copy_or_literals(std::size_t n, const Bits& distance, const std::uint8_t* bytes)
    {
        std::size_t done = 0;
        while (n - done >= min_copy) {
            std::size_t length = std::min<std::size_t>(n - done, max_copy);
            if (n - done - length > 0 && n - done - length < min_copy)
                length -= min_copy; // leaves a tail long enough to copy
            put(two(codes_.length[length], distance)); // at most 13 + 18 bits
            done += length;
        }
        for (; done < n; ++done)
            put(codes_.literal[bytes != nullptr ? bytes[done] : 0]);
    }
    // Every whole byte out at once, as one word whose surplus bytes the next
    // put writes again: fewer than 8 bits wait, so that up to 56 bits fit.
    void put(const Bits& bits)
    {
        bits_ |= static_cast<std::uint64_t>(bits.value) << bit_count_;
        bit_count_ += bits.count;
        if (at_ + word_slack > out_.size())
            out_.resize(2 * out_.size());
        std::memcpy(&out_[at_], &bits_, sizeof bits_); // little-endian: lowest bits first
        at_ += static_cast<std::size_t>(bit_count_ >> 3);
        bits_ >>= bit_count_ & ~7;
        bit_count_ &= 7;
    }

    static inline const FixedCodes codes_;
    const Bits one_back_ = distance_bits(1);
    static Bits unpacked(PackedPair pair)
    {
        return {pair & ((1u << pair_count_shift) - 1), static_cast<int>(pair >> pair_count_shift)};
    }
    static Bits two(const Bits& first, const Bits& second)
    {
        return {first.value | second.value << first.count, first.count + second.count};
    }

    // The host's pictures are mostly flat: a tenth of the raw size is room
    // for most, and clearing room for the worst case would cost as much as
    // the rest.
    static constexpr std::size_t first_guess_ratio = 10;
    static constexpr std::size_t word_slack = 8;
    std::vector<std::uint8_t>& out_;
    std::size_t at_;
    std::uint64_t bits_ = 0;
    int bit_count_ = 0;
    Adler32 adler_;
    std::uint8_t last_ = 0;
};

bool same(const Rgba& a, const Rgba& b)
{
    std::uint32_t u, v;
    std::memcpy(&u, &a, sizeof u);
    std::memcpy(&v, &b, sizeof v);
    return u == v;
}

// Where the run of pixels equal to their left neighbour from `x` ends,
// eight at a time.
int left_run_end(const Rgba* row, int x, int width)
{
    constexpr int block = 8;
    for (; x + block <= width; x += block) {
        std::uint64_t these[block / 2], lefts[block / 2];
        std::memcpy(these, row + x, sizeof these);
        std::memcpy(lefts, row + x - 1, sizeof lefts);
        if (((these[0] ^ lefts[0]) | (these[1] ^ lefts[1]) | (these[2] ^ lefts[2]) | (these[3] ^ lefts[3])) != 0)
            break;
    }
    while (x < width && same(row[x], row[x - 1]))
        ++x;
    return x;
}

// Where the run of pixels equal to those above from `x` ends; it ends too
// where a run of pixels equal to their left neighbour starts, the cheaper copy.
int above_run_end(const Rgba* row, const Rgba* above, int x, int width)
{
    ++x;
    while (x < width && same(row[x], above[x]) && !same(row[x], row[x - 1]))
        ++x;
    return x;
}

// Pixel `x` of a row filtered by its left neighbour.
void sub_filtered(const Rgba* row, int x, std::uint8_t (&out)[4])
{
    const Rgba p = row[x], left = x > 0 ? row[x - 1] : Rgba{};
    out[0] = static_cast<std::uint8_t>(p.r - left.r);
    out[1] = static_cast<std::uint8_t>(p.g - left.g);
    out[2] = static_cast<std::uint8_t>(p.b - left.b);
    out[3] = static_cast<std::uint8_t>(p.a - left.a);
}

// Pixels [from, to) of a row filtered by their left neighbours.
void sub_filtered(const Rgba* row, int from, int to, std::vector<std::uint8_t>& out)
{
    out.resize(4 * static_cast<std::size_t>(to - from));
    for (int x = from; x < to; ++x)
    {
        std::uint8_t pixel[4];
        sub_filtered(row, x, pixel);
        std::memcpy(&out[4 * static_cast<std::size_t>(x - from)], pixel, sizeof pixel);
    }
}

void deflate_rows(const Image& image, std::vector<std::uint8_t>& out)
{
    const int stride = 1 + 4 * image.width; // a row's bytes with its filter byte
    DeflateWriter deflate(out, static_cast<std::size_t>(stride) * image.height);
    const bool can_look_up = stride <= max_distance;
    const Bits one_row_back = distance_bits(can_look_up ? stride : 1);
    std::vector<std::uint8_t> bytes;
    for (int y = 0; y < image.height; ++y) {
        const Rgba* row = &image.at(0, y);
        const Rgba* above = y > 0 && can_look_up ? &image.at(0, y - 1) : nullptr;
        deflate.literal(filter_sub);
        for (int x = 0; x < image.width;) {
            int end = x + 1;
            if (x > 0 && same(row[x], row[x - 1])) {
                end = left_run_end(row, x, image.width);
                deflate.zeros(4 * static_cast<std::size_t>(end - x));
            } else if (above != nullptr && x > 0 && same(row[x], above[x]) && same(row[x - 1], above[x - 1])) {
                // The filtered bytes of the row above, where both rows are alike.
                end = above_run_end(row, above, x, image.width);
                sub_filtered(row, x, end, bytes);
                deflate.repeat(bytes, one_row_back);
            } else {
                std::uint8_t pixel[4];
                sub_filtered(row, x, pixel);
                deflate.literals(pixel);
            }
            x = end;
        }
        deflate.row_done();
    }
    deflate.finish();
}

void put_u32(std::vector<std::uint8_t>& out, std::uint32_t v)
{
    for (int shift = 24; shift >= 0; shift -= 8)
        out.push_back(static_cast<std::uint8_t>(v >> shift));
}

// A chunk's length, type and data, then its checksum; the data was
// written by `write_data` at the end of `out`.
template <typename WriteData>
void put_chunk(std::vector<std::uint8_t>& out, std::string_view type, WriteData write_data)
{
    const std::size_t length_at = out.size();
    put_u32(out, 0);
    out.insert(out.end(), type.begin(), type.end());
    write_data(out);
    const std::size_t data_bytes = out.size() - length_at - 8;
    for (int i = 0; i < 4; ++i)
        out[length_at + i] = static_cast<std::uint8_t>(data_bytes >> (24 - 8 * i));
    const uLong crc = crc32(0L, out.data() + length_at + 4, static_cast<uInt>(data_bytes + 4));
    put_u32(out, static_cast<std::uint32_t>(crc));
}

} // namespace

// One IDAT chunk: the host's pictures are at most 16384 pixels a side, well
// under a chunk's limit of 2^31 bytes even as literals.
std::vector<std::uint8_t> png_bytes(const Image& image)
{
    std::vector<std::uint8_t> file(std::begin(png_signature), std::end(png_signature));
    put_chunk(file, "IHDR", [&](std::vector<std::uint8_t>& out) {
        put_u32(out, static_cast<std::uint32_t>(image.width));
        put_u32(out, static_cast<std::uint32_t>(image.height));
        out.insert(out.end(), {8, 6, 0, 0, 0}); // 8 bits a channel, RGBA, no interlace
    });
    put_chunk(file, "IDAT", [&](std::vector<std::uint8_t>& out) {
        out.insert(out.end(), std::begin(zlib_header), std::end(zlib_header));
        deflate_rows(image, out);
    });
    put_chunk(file, "IEND", [](std::vector<std::uint8_t>&) {});
    return file;
}
