#include "sound_capture.h"

#include "tests/support/recording_files.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <fstream>
#include <limits>

namespace {

constexpr double full_scale = 32768.0;
constexpr std::uint32_t recorded_bits_per_sample = 16;

} // namespace

std::optional<SoundCapture> SoundCapture::from_environment()
{
    const char* path = std::getenv("ZOR_SOUND_CAPTURE");
    if (path == nullptr || *path == '\0')
        return std::nullopt;
    SoundCapture capture;
    capture.path_ = wine_path(path);
    return capture;
}

std::uint64_t SoundCapture::size() const
{
    std::ifstream in(path_, std::ios::binary | std::ios::ate);
    return in ? static_cast<std::uint64_t>(in.tellg()) : 0;
}

bool SoundCapture::read_format()
{
    std::ifstream in(path_, std::ios::binary);
    std::string header(256, '\0');
    in.read(header.data(), header.size());
    header.resize(static_cast<std::size_t>(in.gcount()));
    if (header.size() < 12 || header.compare(0, 4, "RIFF") != 0 || header.compare(8, 4, "WAVE") != 0)
        return false;
    for (std::size_t at = 12; at + 8 <= header.size();) {
        const std::string id = header.substr(at, 4);
        const std::uint32_t size = read_le(header, at + 4, 4);
        if (id == "data") {
            data_offset_ = at + 8;
            return frame_bytes_ != 0;
        }
        if (id == "fmt " && at + 24 <= header.size()) {
            frames_per_second_ = read_le(header, at + 12, 4);
            frame_bytes_ = read_le(header, at + 20, 2);
            if (read_le(header, at + 22, 2) != recorded_bits_per_sample)
                return false;
        }
        at += 8 + size + (size & 1);
    }
    return false;
}

SignalLevel SoundCapture::level_between(std::uint64_t from, std::uint64_t to) const
{
    from = std::max(from, data_offset_);
    from = data_offset_ + (from - data_offset_) / frame_bytes_ * frame_bytes_;
    const std::uint64_t frames = to > from ? (to - from) / frame_bytes_ : 0;
    std::string bytes(frames * frame_bytes_, '\0');
    std::ifstream in(path_, std::ios::binary);
    in.seekg(static_cast<std::streamoff>(from));
    in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    bytes.resize(static_cast<std::size_t>(in.gcount()));

    double sum_of_squares = 0.0;
    int peak = 0;
    const std::size_t samples = bytes.size() / 2;
    for (std::size_t i = 0; i < samples; ++i) {
        const auto sample = static_cast<std::int16_t>(read_le(bytes, 2 * i, 2));
        sum_of_squares += static_cast<double>(sample) * sample;
        peak = std::max(peak, std::abs(static_cast<int>(sample)));
    }
    const double rms = samples != 0 ? std::sqrt(sum_of_squares / samples) : 0.0;
    return {.rms_dbfs = rms > 0.0 ? 20.0 * std::log10(rms / full_scale) : -std::numeric_limits<double>::infinity(),
            .peak = peak,
            .frames = bytes.size() / frame_bytes_};
}
