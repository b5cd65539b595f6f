#include "tools/tone/wave_writer.h"

#include <fstream>

namespace {

constexpr std::uint16_t pcm_format_tag = 1;
constexpr std::uint16_t bits_per_sample = 16;
constexpr std::uint32_t pcm_format_bytes = 16;
// "WAVE", the format chunk's header and data, the samples chunk's header.
constexpr std::uint32_t riff_overhead = 4 + 8 + pcm_format_bytes + 8;

void put_u16(std::ofstream& out, std::uint16_t value)
{
    const char bytes[2] = {static_cast<char>(value & 0xFF), static_cast<char>(value >> 8)};
    out.write(bytes, 2);
}

void put_u32(std::ofstream& out, std::uint32_t value)
{
    put_u16(out, value & 0xFFFF);
    put_u16(out, value >> 16);
}

} // namespace

bool write_pcm_wave(const std::string& path, std::uint16_t channels, std::uint32_t samples_per_second,
                    const std::vector<std::int16_t>& samples)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    if (!out)
        return false;
    const std::uint16_t block_align = channels * bits_per_sample / 8;
    const auto data_bytes = static_cast<std::uint32_t>(samples.size() * sizeof(std::int16_t));

    out.write("RIFF", 4);
    put_u32(out, riff_overhead + data_bytes);
    out.write("WAVE", 4);
    out.write("fmt ", 4);
    put_u32(out, pcm_format_bytes);
    put_u16(out, pcm_format_tag);
    put_u16(out, channels);
    put_u32(out, samples_per_second);
    put_u32(out, samples_per_second * block_align);
    put_u16(out, block_align);
    put_u16(out, bits_per_sample);
    out.write("data", 4);
    put_u32(out, data_bytes);
    for (const std::int16_t sample : samples)
        put_u16(out, static_cast<std::uint16_t>(sample));
    return static_cast<bool>(out.flush());
}
