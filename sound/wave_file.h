// Reads the tone's RIFF wave file: its format and its samples.
#pragma once

#include <cstddef>
#include <cstdint>

#include "sound/sound_platform.h"

// The largest format handed to DirectSound: the extensible format, an
// 18-byte head and 22 extra bytes.
inline constexpr std::size_t max_wave_format_bytes = 40;

// A wave format in DirectSound's layout. Every byte past what the file's
// format chunk holds is zero, and the extra bytes that the head announces
// are always present.
struct WaveFormatBlock {
    alignas(4) std::uint8_t bytes[max_wave_format_bytes];
};

// The samples of the "data" chunk, staged in locked movable global memory.
struct StagedSamples {
    GlobalBlock block;
    std::uint8_t* bytes;
    std::uint32_t size;
};

// Reads the "fmt " and "data" chunks of the RIFF "WAVE" file at `path`; the
// file is closed again either way. On failure nothing stays allocated. A null
// path is a failure.
bool read_wave_file(const char* path, WaveFormatBlock& format, StagedSamples& samples);

// Unlocks and frees the staging block.
void free_staged_samples(StagedSamples& samples);
