// Writes 16-bit PCM samples as a plain RIFF wave file.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

// `samples` are interleaved, one per channel per frame. False when the file
// cannot be written.
bool write_pcm_wave(const std::string& path, std::uint16_t channels, std::uint32_t samples_per_second,
                    const std::vector<std::int16_t>& samples);
