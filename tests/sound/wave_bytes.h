// Builds RIFF wave files byte by byte, well-formed or broken on purpose.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

using Bytes = std::vector<std::uint8_t>;

struct RiffChunkBytes {
    // clang-format off
    std::string                  id;   // four characters
    Bytes                        data;
    std::optional<std::uint32_t> stated_size = std::nullopt; // none: the data's own size
    // clang-format on
};

inline void put_u16(Bytes& bytes, std::uint32_t value)
{
    bytes.push_back(value & 0xFF);
    bytes.push_back(value >> 8 & 0xFF);
}

inline void put_u32(Bytes& bytes, std::uint32_t value)
{
    put_u16(bytes, value & 0xFFFF);
    put_u16(bytes, value >> 16);
}

inline void put_chunk(Bytes& bytes, const RiffChunkBytes& chunk)
{
    bytes.insert(bytes.end(), chunk.id.begin(), chunk.id.end());
    put_u32(bytes, chunk.stated_size.value_or(static_cast<std::uint32_t>(chunk.data.size())));
    bytes.insert(bytes.end(), chunk.data.begin(), chunk.data.end());
    if (chunk.data.size() % 2 != 0)
        bytes.push_back(0);
}

// A RIFF file of the given form type holding the chunks in order.
inline Bytes riff_file(const std::string& form_type, const std::vector<RiffChunkBytes>& chunks)
{
    Bytes body(form_type.begin(), form_type.end());
    for (const RiffChunkBytes& chunk : chunks)
        put_chunk(body, chunk);
    Bytes file;
    put_chunk(file, {.id = "RIFF", .data = body});
    return file;
}

// clang-format off
// Format tags of the wave formats the tests build.
inline constexpr std::uint16_t format_tag_pcm         = 0x0001;
inline constexpr std::uint16_t format_tag_float       = 0x0003;
inline constexpr std::uint16_t format_tag_mpeg_layer3 = 0x0055;
inline constexpr std::uint16_t format_tag_extensible  = 0xFFFE;
// clang-format on

// The 16-byte PCM format chunk data.
inline Bytes pcm_format(std::uint16_t channels, std::uint32_t samples_per_second, std::uint16_t bits_per_sample)
{
    const std::uint32_t block_align = channels * bits_per_sample / 8;
    Bytes bytes;
    put_u16(bytes, format_tag_pcm);
    put_u16(bytes, channels);
    put_u32(bytes, samples_per_second);
    put_u32(bytes, samples_per_second * block_align);
    put_u16(bytes, block_align);
    put_u16(bytes, bits_per_sample);
    return bytes;
}

// The format with another tag in its first field.
inline Bytes with_format_tag(Bytes format, std::uint16_t tag)
{
    format[0] = tag & 0xFF;
    format[1] = tag >> 8;
    return format;
}

// A PCM format followed by an extra-size field and `extra_held` bytes.
inline Bytes pcm_format_with_extra(std::uint16_t stated_extra, std::size_t extra_held)
{
    Bytes bytes = pcm_format(1, 22050, 16);
    put_u16(bytes, stated_extra);
    bytes.resize(bytes.size() + extra_held, 0x5A);
    return bytes;
}

// The 40-byte extensible format of 16-bit PCM, front speakers.
inline Bytes extensible_pcm_format(std::uint16_t channels, std::uint32_t samples_per_second)
{
    Bytes bytes = pcm_format(channels, samples_per_second, 16);
    bytes = with_format_tag(bytes, format_tag_extensible);
    put_u16(bytes, 22);                        // extra bytes
    put_u16(bytes, 16);                        // valid bits per sample
    put_u32(bytes, channels == 2 ? 0x3 : 0x4); // speaker positions
    const std::uint8_t pcm_subformat[16] = {0x01, 0x00, 0x00, 0x00, 0x00, 0x00, 0x10, 0x00,
                                            0x80, 0x00, 0x00, 0xAA, 0x00, 0x38, 0x9B, 0x71};
    bytes.insert(bytes.end(), pcm_subformat, pcm_subformat + 16);
    return bytes;
}

// Sample bytes that tell their own position.
inline Bytes counting_bytes(std::size_t count)
{
    Bytes bytes(count);
    for (std::size_t i = 0; i < count; ++i)
        bytes[i] = static_cast<std::uint8_t>(i * 7 + 1);
    return bytes;
}
