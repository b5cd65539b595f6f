#include "host/panel/film_sound_track.h"

#include "host/panel/frame_trace_format.h"

namespace {

constexpr const char* set_position_call = "set_current_position";
// The wave format head's fields, in bytes from its start.
constexpr std::size_t format_tag_at = 0, channels_at = 2, rate_at = 4, block_align_at = 12, bits_at = 14;
constexpr std::size_t format_head_bytes = 16;
constexpr std::uint16_t pcm_format = 1;

std::uint32_t little_endian(const std::vector<std::uint8_t>& bytes, std::size_t at, int count)
{
    std::uint32_t value = 0;
    for (int i = count - 1; i >= 0; --i)
        value = value << 8 | bytes[at + static_cast<std::size_t>(i)];
    return value;
}

// One sample of 8 or 16 bits as a 16-bit value.
std::int16_t sample_at(const std::vector<std::uint8_t>& samples, std::size_t at, unsigned bits)
{
    if (bits == 8)
        return static_cast<std::int16_t>((samples[at] - 128) * 256);
    return static_cast<std::int16_t>(little_endian(samples, at, 2));
}

} // namespace

// PCM of 8 or 16 bits, mono or stereo, at any rate, stepped to 44.1 kHz by
// the nearest sample; any other buffer leaves the track silent.
void FilmSoundTrack::take_tone(const ToneBuffer& buffer)
{
    const auto& f = buffer.format;
    if (f.size() < format_head_bytes || little_endian(f, format_tag_at, 2) != pcm_format)
        return;
    const unsigned channels = little_endian(f, channels_at, 2);
    const unsigned rate = little_endian(f, rate_at, 4);
    const unsigned block = little_endian(f, block_align_at, 2);
    const unsigned bits = little_endian(f, bits_at, 2);
    if ((bits != 8 && bits != 16) || channels < 1 || rate == 0 || block < channels * bits / 8)
        return;
    const std::size_t blocks = buffer.samples.size() / block;
    const std::size_t out_frames = blocks * film_sound_rate / rate;
    for (std::size_t i = 0; i < out_frames; ++i) {
        const std::size_t at = i * rate / film_sound_rate * block;
        const std::int16_t left = sample_at(buffer.samples, at, bits);
        const std::int16_t right = channels > 1 ? sample_at(buffer.samples, at + bits / 8, bits) : left;
        tone_.push_back(left);
        tone_.push_back(right);
    }
}

std::vector<std::int16_t> FilmSoundTrack::frame(const std::vector<std::string>& sound_calls, HostPlatform& platform)
{
    for (const std::string& call : sound_calls) {
        if (call == trace_sound_call::play) {
            if (!tone_read_)
                if (const std::optional<ToneBuffer> buffer = platform.tone_buffer()) {
                    take_tone(*buffer);
                    tone_read_ = true;
                }
            playing_ = true;
        } else if (call == trace_sound_call::stop) {
            playing_ = false;
        } else if (call == set_position_call) {
            position_ = 0;
        }
    }
    samples_due_ += film_sound_rate / frames_per_second_;
    const long count = static_cast<long>(samples_due_) - samples_written_;
    samples_written_ += count;
    std::vector<std::int16_t> out(static_cast<std::size_t>(count) * film_sound_channels, 0);
    const std::size_t tone_frames = tone_.size() / film_sound_channels;
    if (!playing_ || tone_frames == 0)
        return out;
    for (long i = 0; i < count; ++i) {
        out[static_cast<std::size_t>(i) * 2] = tone_[position_ * 2];
        out[static_cast<std::size_t>(i) * 2 + 1] = tone_[position_ * 2 + 1];
        position_ = (position_ + 1) % tone_frames;
    }
    return out;
}
