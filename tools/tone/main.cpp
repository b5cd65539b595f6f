// Writes the alert tone file and the module's wave resource data.
//
//   zor_tone ALERT_WAV RESOURCE_WAV
#include <cstdint>
#include <cstdio>
#include <string>

#include "tools/tone/chime.h"
#include "tools/tone/wave_writer.h"

namespace {

// The alert tone file: one mono loop; the player repeats it.
constexpr int alert_channels = 1;
constexpr std::size_t alert_frames = chime_loop_frames;

// The module's wave resource: 2 channels of 16 bits, 176400 bytes of
// samples, two seconds of the chime.
constexpr int resource_channels = 2;
constexpr std::size_t resource_sample_bytes = 176400;
constexpr std::size_t resource_frames = resource_sample_bytes / (resource_channels * sizeof(std::int16_t));

bool write(const std::string& path, int channels, std::size_t frames)
{
    if (write_pcm_wave(path, static_cast<std::uint16_t>(channels), chime_samples_per_second,
                       looped_chime(frames, channels)))
        return true;
    std::fprintf(stderr, "zor_tone: cannot write %s\n", path.c_str());
    return false;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: zor_tone ALERT_WAV RESOURCE_WAV\n");
        return 2;
    }
    const bool written =
        write(argv[1], alert_channels, alert_frames) && write(argv[2], resource_channels, resource_frames);
    return written ? 0 : 1;
}
