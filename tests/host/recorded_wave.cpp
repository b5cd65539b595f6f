#include "recorded_wave.h"

#include "tests/support/recording_files.h"

#include <fstream>
#include <iterator>

namespace {

constexpr std::uint32_t pcm_format = 1;
constexpr std::uint32_t bits_per_sample = 16;

} // namespace

std::optional<RecordedWave> read_recorded_wave(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return std::nullopt;
    const std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    if (bytes.size() < 12 || bytes.compare(0, 4, "RIFF") != 0 || bytes.compare(8, 4, "WAVE") != 0)
        return std::nullopt;

    RecordedWave wave;
    for (std::size_t at = 12; at + 8 <= bytes.size();) {
        const std::string id = bytes.substr(at, 4);
        const std::uint32_t size = read_le(bytes, at + 4, 4);
        if (id == "fmt " && at + 24 <= bytes.size()) {
            if (read_le(bytes, at + 8, 2) != pcm_format || read_le(bytes, at + 22, 2) != bits_per_sample)
                return std::nullopt;
            wave.channels = read_le(bytes, at + 10, 2);
            wave.frames_per_second = read_le(bytes, at + 12, 4);
        } else if (id == "data") {
            if (wave.channels == 0 || wave.frames_per_second == 0)
                return std::nullopt;
            const std::size_t count = (bytes.size() - (at + 8)) / 2;
            wave.samples.reserve(count);
            for (std::size_t i = 0; i < count; ++i)
                wave.samples.push_back(static_cast<std::int16_t>(read_le(bytes, at + 8 + 2 * i, 2)));
            return wave;
        }
        at += 8 + size + (size & 1);
    }
    return std::nullopt;
}
