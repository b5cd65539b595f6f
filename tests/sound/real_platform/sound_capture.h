// The wave file into which ALSA records what DirectSound plays, read while
// it grows. Its path comes from ZOR_SOUND_CAPTURE (a Unix path is taken to
// be on Wine's Z: drive).
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

struct SignalLevel {
    double rms_dbfs; // -inf for digital silence
    int peak;        // largest sample magnitude
    std::size_t frames;
};

class SoundCapture {
public:
    // Empty when no capture is configured.
    static std::optional<SoundCapture> from_environment();

    const std::string& path() const { return path_; }
    // Bytes written so far.
    std::uint64_t size() const;
    // Reads the recording's format from its header; false until it is there.
    bool read_format();
    std::uint32_t frames_per_second() const { return frames_per_second_; }
    std::uint32_t frame_bytes() const { return frame_bytes_; }
    // The level of the frames between two byte offsets of the file, all
    // channels together.
    SignalLevel level_between(std::uint64_t from, std::uint64_t to) const;

private:
    std::string path_;
    std::uint64_t data_offset_ = 0;
    std::uint32_t frames_per_second_ = 0;
    std::uint32_t frame_bytes_ = 0;
};
