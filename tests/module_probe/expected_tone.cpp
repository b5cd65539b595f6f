#include "expected_tone.h"

#include <windows.h>
#include <dsound.h>
#include <mmsystem.h>

#include <algorithm>

namespace {

// The format head: tag, channels, rate, byte rate, block alignment, bits,
// extra-size count. The module reads at most the extensible format's 40
// bytes of the chunk.
constexpr std::size_t format_head_bytes = 18;
constexpr std::size_t format_read_bytes = 40;
constexpr std::size_t extra_size_at = 16;
constexpr std::size_t rate_at = 4;
constexpr std::uint16_t pcm_tag = 1;

struct ChunkPlace {
    std::uint32_t offset = 0; // of the chunk's data
    std::uint32_t size = 0;
};

// The "WAVE" form from the start of the file, "fmt " within it, and "data"
// searched onward from the end of "fmt ".
bool find_chunks(const std::string& path, ChunkPlace& format, ChunkPlace& samples)
{
    HMMIO file = mmioOpenA(const_cast<char*>(path.c_str()), nullptr, MMIO_READ | MMIO_ALLOCBUF);
    if (file == nullptr)
        return false;
    MMCKINFO form{};
    form.fccType = mmioFOURCC('W', 'A', 'V', 'E');
    MMCKINFO format_chunk{};
    format_chunk.ckid = mmioFOURCC('f', 'm', 't', ' ');
    MMCKINFO samples_chunk{};
    samples_chunk.ckid = mmioFOURCC('d', 'a', 't', 'a');
    const bool found = mmioDescend(file, &form, nullptr, MMIO_FINDRIFF) == MMSYSERR_NOERROR &&
        mmioDescend(file, &format_chunk, &form, MMIO_FINDCHUNK) == MMSYSERR_NOERROR &&
        mmioAscend(file, &format_chunk, 0) == MMSYSERR_NOERROR &&
        mmioDescend(file, &samples_chunk, &form, MMIO_FINDCHUNK) == MMSYSERR_NOERROR;
    mmioClose(file, 0);
    format = {.offset = format_chunk.dwDataOffset, .size = format_chunk.cksize};
    samples = {.offset = samples_chunk.dwDataOffset, .size = samples_chunk.cksize};
    return found;
}

// `count` bytes of the file from `offset`; what lies past its end is zero.
Bytes bytes_at(const Bytes& file, std::uint32_t offset, std::size_t count, std::size_t& held)
{
    Bytes bytes(count, 0);
    held = offset < file.size() ? std::min(count, file.size() - offset) : 0;
    std::copy_n(file.begin() + (offset < file.size() ? offset : 0), held, bytes.begin());
    return bytes;
}

std::uint16_t u16_at(const Bytes& bytes, std::size_t at)
{
    return static_cast<std::uint16_t>(bytes[at] | bytes[at + 1] << 8);
}

std::uint32_t u32_at(const Bytes& bytes, std::size_t at)
{
    return u16_at(bytes, at) | static_cast<std::uint32_t>(u16_at(bytes, at + 2)) << 16;
}

// The format as the module hands it on, cut to what DirectSound reads of it;
// empty when the module refuses it: a rate that DirectSound on Windows
// refuses, or extra bytes announced but missing from anything but PCM.
Bytes handed_format(const Bytes& file, ChunkPlace chunk)
{
    std::size_t held = 0;
    Bytes format = bytes_at(file, chunk.offset, std::min<std::size_t>(chunk.size, format_read_bytes), held);
    format.resize(format_read_bytes, 0);
    const std::uint16_t tag = u16_at(format, 0);
    const std::uint32_t rate = u32_at(format, rate_at);
    if (rate < DSBFREQUENCY_MIN || rate > DSBFREQUENCY_MAX)
        return {};
    const bool extra_missing = held < format_head_bytes || format_head_bytes + u16_at(format, extra_size_at) > held;
    if (extra_missing && held >= format_head_bytes && tag != pcm_tag)
        return {};
    if (extra_missing)
        format[extra_size_at] = format[extra_size_at + 1] = 0;
    const std::size_t extra = tag == pcm_tag ? 0 : u16_at(format, extra_size_at);
    format.resize(format_head_bytes + extra);
    return format;
}

} // namespace

const char* reading_name(ToneReading reading)
{
    switch (reading) {
    // clang-format off
    case ToneReading::loads:           return "loads";
    case ToneReading::chunks_missing:  return "chunks missing";
    case ToneReading::format_refused:  return "format refused";
    case ToneReading::samples_refused: return "samples refused";
        // clang-format on
    }
    return "?";
}

ExpectedTone expected_tone(const std::string& path, const Bytes& file)
{
    ExpectedTone expected;
    ChunkPlace format_chunk, samples_chunk;
    if (!find_chunks(path, format_chunk, samples_chunk))
        return expected;
    expected.format = handed_format(file, format_chunk);
    if (expected.format.empty()) {
        expected.reading = ToneReading::format_refused;
        return expected;
    }
    if (samples_chunk.size == 0 || samples_chunk.size > DSBSIZE_MAX) {
        expected.reading = ToneReading::samples_refused;
        return expected;
    }
    std::size_t held = 0;
    expected.samples = bytes_at(file, samples_chunk.offset, samples_chunk.size, held);
    expected.reading = ToneReading::loads;
    return expected;
}
