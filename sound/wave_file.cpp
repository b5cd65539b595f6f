#include "sound/wave_file.h"

#include <algorithm>
#include <cstring>

namespace {

constexpr std::uint32_t wave_form_type = four_cc('W', 'A', 'V', 'E');
constexpr std::uint32_t format_chunk_id = four_cc('f', 'm', 't', ' ');
constexpr std::uint32_t data_chunk_id = four_cc('d', 'a', 't', 'a');

// The format head: tag, channels, rate, byte rate, block alignment, bits,
// then the 16-bit count of extra bytes.
constexpr std::size_t format_head_bytes = 18;
constexpr std::size_t format_tag_offset = 0;
constexpr std::size_t samples_per_second_offset = 4;
constexpr std::size_t extra_size_offset = 16;
constexpr std::uint32_t format_tag_pcm = 1;

// Little-endian fields of the format head.
std::uint32_t field_16(const WaveFormatBlock& format, std::size_t at)
{
    return format.bytes[at] | format.bytes[at + 1] << 8;
}

std::uint32_t field_32(const WaveFormatBlock& format, std::size_t at)
{
    return field_16(format, at) | field_16(format, at + 2) << 16;
}

std::uint32_t format_tag(const WaveFormatBlock& format)
{
    return field_16(format, format_tag_offset);
}
std::uint32_t samples_per_second(const WaveFormatBlock& format)
{
    return field_32(format, samples_per_second_offset);
}
std::size_t stated_extra_bytes(const WaveFormatBlock& format)
{
    return field_16(format, extra_size_offset);
}

void clear_extra_size(WaveFormatBlock& format)
{
    format.bytes[extra_size_offset] = 0;
    format.bytes[extra_size_offset + 1] = 0;
}

// Reads the format chunk up to its own size. A chunk too short to carry the
// extra-size field (plain PCM has 16 bytes) has no extra bytes. A chunk that
// announces more extra bytes than it holds: PCM has none, and DirectSound
// ignores the field for it, so such a file (some tools write a stray count)
// plays with the count cleared; any other format is refused, since
// DirectSound would read its extra bytes from beyond the format.
bool read_format(MmioFile file, const RiffChunk& chunk, WaveFormatBlock& format)
{
    std::memset(format.bytes, 0, sizeof format.bytes);
    const auto wanted = static_cast<std::int32_t>(std::min<std::size_t>(chunk.size, sizeof format.bytes));
    const std::int32_t held = sound_platform().mmio_read(file, format.bytes, wanted);
    if (held < 0)
        return false;
    if (static_cast<std::size_t>(held) < format_head_bytes) {
        clear_extra_size(format);
        return true;
    }
    if (format_head_bytes + stated_extra_bytes(format) <= static_cast<std::size_t>(held))
        return true;
    if (format_tag(format) != format_tag_pcm)
        return false;
    clear_extra_size(format);
    return true;
}

// A rate Windows' DirectSound refuses is refused before it sees it: Wine's
// takes a rate in the megahertz and its mixer then ends the process (by a
// division by zero) as soon as the tone plays.
bool rate_playable(const WaveFormatBlock& format)
{
    const std::uint32_t rate = samples_per_second(format);
    return rate >= buffer_frequency_min && rate <= buffer_frequency_max;
}

bool stage_samples(MmioFile file, const RiffChunk& chunk, StagedSamples& samples)
{
    const SoundPlatform& platform = sound_platform();
    // An empty tone makes no sound buffer, and DirectSound makes none beyond
    // its largest size: neither is worth staging.
    if (chunk.size == 0 || chunk.size > buffer_bytes_max)
        return false;
    const GlobalBlock block = platform.global_alloc_movable(chunk.size);
    if (block == nullptr)
        return false;
    auto* bytes = static_cast<std::uint8_t*>(platform.global_lock(block));
    if (bytes == nullptr) {
        platform.global_free(block);
        return false;
    }
    const std::int32_t read = platform.mmio_read(file, bytes, static_cast<std::int32_t>(chunk.size));
    if (read < 0) {
        platform.global_unlock(block);
        platform.global_free(block);
        return false;
    }
    // A file cut off inside its samples plays silence where they are missing.
    const auto held = std::min(static_cast<std::uint32_t>(read), chunk.size);
    std::memset(bytes + held, 0, chunk.size - held);
    samples = {.block = block, .bytes = bytes, .size = chunk.size};
    return true;
}

bool read_chunks(MmioFile file, WaveFormatBlock& format, StagedSamples& samples)
{
    const SoundPlatform& platform = sound_platform();
    RiffChunk wave{};
    wave.form_type = wave_form_type;
    if (platform.mmio_descend(file, wave, nullptr, ChunkSearch::riff_form) != 0)
        return false;

    RiffChunk format_chunk{};
    format_chunk.id = format_chunk_id;
    if (platform.mmio_descend(file, format_chunk, &wave, ChunkSearch::chunk) != 0 ||
        !read_format(file, format_chunk, format) || !rate_playable(format) ||
        platform.mmio_ascend(file, format_chunk) != 0)
        return false;

    // Searched onward from the end of "fmt ": samples before the format are
    // not found.
    RiffChunk data_chunk{};
    data_chunk.id = data_chunk_id;
    if (platform.mmio_descend(file, data_chunk, &wave, ChunkSearch::chunk) != 0)
        return false;
    return stage_samples(file, data_chunk, samples);
}

} // namespace

bool read_wave_file(const char* path, WaveFormatBlock& format, StagedSamples& samples)
{
    if (path == nullptr)
        return false;
    const SoundPlatform& platform = sound_platform();
    const MmioFile file = platform.mmio_open_for_reading(path);
    if (file == nullptr)
        return false;
    const bool read = read_chunks(file, format, samples);
    platform.mmio_close(file);
    return read;
}

void free_staged_samples(StagedSamples& samples)
{
    const SoundPlatform& platform = sound_platform();
    platform.global_unlock(samples.block);
    platform.global_free(samples.block);
    samples = {};
}
