// A 16-bit PCM wave file as ALSA's file plugin records it, read whole. The
// plugin may leave the data size of its header unwritten, so the samples run
// to the end of the file.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

struct RecordedWave {
    std::uint32_t frames_per_second = 0;
    std::uint32_t channels = 0;
    std::vector<std::int16_t> samples; // interleaved

    std::size_t frames() const { return channels != 0 ? samples.size() / channels : 0; }
};

// Empty when the file is missing or not 16-bit PCM.
std::optional<RecordedWave> read_recorded_wave(const std::string& path);
