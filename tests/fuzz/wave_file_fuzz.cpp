// The tone file as the module reads it: each input is the whole file, loaded
// by the tone player through the scripted platform's file calls, so the
// module's own chunk walk, format check and sample staging run. Beyond what
// the sanitizers catch, an input fails when the player misuses the platform,
// keeps anything after it gives the tone back, or hands DirectSound a
// format or a buffer that does not match what it read.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "sound/scripted/platform.h"
#include "sound/alert_tone_player.h"
#include "sound/wave_file.h"

namespace {

constexpr const char* tone_path = "D:\\Sim\\gauges\\zor_sound.wav";
const HostWindow host_window = reinterpret_cast<HostWindow>(0x1001);
// Larger sample chunks fail to be staged, as they would on a machine short
// of memory; within it every size is read in full, and the fuzzer stays fast.
constexpr std::uint32_t largest_staged_samples = 1u << 20;

[[noreturn]] void fail(const std::string& what)
{
    std::fprintf(stderr, "wave file fuzz: %s\n", what.c_str());
    std::abort();
}

void check_buffer(const ScriptedSoundPlatform& platform, std::uint32_t loaded)
{
    const ScriptedBuffer& buffer = platform.buffers.back();
    if (buffer.samples.size() != loaded)
        fail("the buffer's size is not the size the player reported");
    if (buffer.format.size() > max_wave_format_bytes)
        fail("DirectSound was told of extra format bytes beyond the format block");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    reset_alert_tone_player_for_tests();
    reset_scripted_sound_platform();
    ScriptedSoundPlatform& platform = scripted_sound_platform();
    platform.largest_global_block = largest_staged_samples;
    platform.files[tone_path].assign(data, data + size);

    if (create_sound_device(host_window) != 1)
        fail("the scripted device could not be made");
    const std::uint32_t loaded = load_tone(tone_path);
    const AlertToneState state = alert_tone_state();
    if ((loaded != 0) != (state == AlertToneState::ready))
        fail("the player's state does not match what it loaded");
    if (loaded != 0)
        check_buffer(platform, loaded);

    release_tone();
    release_sound_device();
    for (const std::string& fault : platform.faults)
        fail("platform misuse: " + fault);
    if (!platform.holds_nothing())
        fail("something was never given back");
    return 0;
}
