#include "sound/alert_tone_player.h"

#include <algorithm>
#include <cstring>

#include "sound/wave_file.h"

namespace {

// Invariants: `buffer` is non-null only while `device` is, since a buffer
// does not outlive its device; once `sound_gate` is 0 it stays 0 and
// `buffer` stays null.
struct AlertTonePlayer {
    // clang-format off
    SoundDevice  device     = nullptr;
    SoundBuffer  buffer     = nullptr;
    std::int32_t sound_gate = 1;
    // clang-format on
};

AlertTonePlayer player;

constexpr std::uint32_t tone_buffer_flags =
    buffer_control_frequency | buffer_control_pan | buffer_control_volume | buffer_global_focus;

void drop_buffer()
{
    if (player.buffer != nullptr) {
        sound_platform().release_buffer(player.buffer);
        player.buffer = nullptr;
    }
}

void drop_device()
{
    drop_buffer();
    if (player.device != nullptr) {
        sound_platform().release_device(player.device);
        player.device = nullptr;
    }
}

// Nothing the player holds will be used again once the gate is closed.
void shut_off()
{
    player.sound_gate = 0;
    drop_device();
}

// Copies as much of the samples as the locked regions hold, in order.
std::uint32_t copy_into(void* region, std::uint32_t region_bytes, const std::uint8_t* from, std::uint32_t available)
{
    if (region == nullptr)
        return 0;
    const std::uint32_t bytes = std::min(region_bytes, available);
    std::memcpy(region, from, bytes);
    return bytes;
}

void copy_into_regions(const StagedSamples& samples, const LockedRegions& regions)
{
    const std::uint32_t copied = copy_into(regions.first, regions.first_bytes, samples.bytes, samples.size);
    copy_into(regions.second, regions.second_bytes, samples.bytes + copied, samples.size - copied);
}

// Makes the buffer for the staged samples, fills it and rewinds it. On
// failure a buffer already made stays in `player.buffer` for shut_off.
bool fill_tone_buffer(const WaveFormatBlock& format, const StagedSamples& samples)
{
    const SoundPlatform& platform = sound_platform();
    if (player.device == nullptr)
        return false;
    const ToneBufferDescription description{
        .flags = tone_buffer_flags, .buffer_bytes = samples.size, .format = format.bytes};
    SoundBuffer buffer = nullptr;
    if (platform.create_buffer(player.device, description, &buffer) != 0)
        return false;
    player.buffer = buffer;

    LockedRegions regions{};
    if (platform.lock(buffer, 0, samples.size, regions) != 0)
        return false;
    copy_into_regions(samples, regions);
    return platform.unlock(buffer, regions) == 0 && platform.set_current_position(buffer, 0) == 0;
}

// The common shape of the buffer operations.
template <typename Call>
std::int32_t call_on_buffer(Call call)
{
    if (player.sound_gate == 0 || player.buffer == nullptr)
        return 0;
    if (call(sound_platform(), player.buffer) != 0) {
        shut_off();
        return 0;
    }
    return 1;
}

} // namespace

std::int32_t create_sound_device(HostWindow window)
{
    const SoundPlatform& platform = sound_platform();
    drop_device();
    SoundDevice device = nullptr;
    if (platform.create_device(&device) != 0) {
        shut_off();
        return 0;
    }
    player.device = device;
    if (platform.set_cooperative_level(device, window, cooperative_level_normal) != 0) {
        shut_off();
        return 0;
    }
    return 1;
}

std::uint32_t load_tone(const char* path)
{
    if (player.sound_gate == 0)
        return 0;
    drop_buffer();
    WaveFormatBlock format;
    StagedSamples samples{};
    if (!read_wave_file(path, format, samples)) {
        shut_off();
        return 0;
    }
    const std::uint32_t sample_bytes = samples.size;
    const bool filled = fill_tone_buffer(format, samples);
    free_staged_samples(samples);
    if (!filled) {
        shut_off();
        return 0;
    }
    return sample_bytes;
}

std::int32_t set_tone_volume(std::int32_t hundredths_db)
{
    return call_on_buffer(
        [=](const SoundPlatform& platform, SoundBuffer buffer) { return platform.set_volume(buffer, hundredths_db); });
}

std::int32_t play_tone_looping()
{
    return call_on_buffer(
        [](const SoundPlatform& platform, SoundBuffer buffer) { return platform.play(buffer, 0, play_looping); });
}

std::int32_t stop_tone()
{
    return call_on_buffer([](const SoundPlatform& platform, SoundBuffer buffer) { return platform.stop(buffer); });
}

std::int32_t rewind_tone(std::uint32_t position)
{
    return call_on_buffer([=](const SoundPlatform& platform, SoundBuffer buffer) {
        return platform.set_current_position(buffer, position);
    });
}

std::int32_t is_tone_playing()
{
    std::uint32_t status = 0;
    const std::int32_t asked = call_on_buffer(
        [&](const SoundPlatform& platform, SoundBuffer buffer) { return platform.get_status(buffer, &status); });
    return asked != 0 && (status & buffer_status_playing) != 0 ? 1 : 0;
}

void release_tone()
{
    if (player.sound_gate == 1)
        drop_buffer();
}

void release_sound_device()
{
    drop_device();
}

AlertToneState alert_tone_state()
{
    if (player.sound_gate == 0)
        return AlertToneState::off;
    return player.buffer != nullptr ? AlertToneState::ready : AlertToneState::not_set_up;
}

void reset_alert_tone_player_for_tests()
{
    drop_device();
    player = AlertTonePlayer{};
}
