#include "host/linked/native_platform.h"

#include "abi/panel_services.h"
#include "sound/scripted/platform.h"
#include "host/raster/dib_decoder.h"
#include "host/base/input_file.h"
#include "host/panel/window_class.h"
#include "host/panel/message_format.h"
#include "sound/tone_service.h"
#include "layout/linkage.h"

namespace {

// The tone is a short wave file; a larger one is no tone file.
constexpr std::uint64_t tone_file_max_bytes = 16u << 20;

// Stands for the host's main window in the scripted platform.
HostWindow const native_main_window = reinterpret_cast<HostWindow>(0x4D41494E);

// The sound calls the host reports: DirectSound's, not the file reading,
// and of those the ones the Windows program watches on the real DLL. It
// does not watch Lock and Unlock, through which it reads the tone buffer
// itself, nor the device's release, so neither build reports them and the
// two traces agree call for call.
bool is_reported_sound_call(SoundCall call)
{
    return call >= SoundCall::create_device && call != SoundCall::lock && call != SoundCall::unlock &&
           call != SoundCall::release_device;
}

} // namespace

NativePlatform::NativePlatform(std::string bitmap_folder, std::string tone_file, std::string executable_path)
    : bitmap_folder_(std::move(bitmap_folder))
{
    ScriptedSoundPlatform& sound = scripted_sound_platform();
    sound.executable_path = executable_path;
    sound.windows[main_window_class_for(executable_file_name(executable_path))] = native_main_window;
    const std::string folder = executable_path.substr(0, executable_path.find_last_of('\\') + 1);
    // The module joins the folder and its relative path as they are.
    std::string error;
    sound.files[folder + alert_tone_relative_path] =
        read_input_file(tone_file, tone_file_max_bytes, error).value_or(std::vector<std::uint8_t>{});
}

LoadedModule NativePlatform::linked_module()
{
    return {.linkage = &Linkage, .import_table = &ImportTable};
}

std::optional<Image> NativePlatform::bitmap(std::uint32_t resource_id)
{
    std::string problem;
    const auto bytes =
        read_input_file(bitmap_folder_ + "/" + std::to_string(resource_id) + ".bmp", bmp_file_max_bytes, problem);
    return bytes ? decode_bmp_file(*bytes, problem) : std::nullopt;
}

std::string NativePlatform::format_tooltip(const char* text, const std::vector<std::int32_t>& arguments)
{
    return format_message(text, arguments);
}

std::vector<std::string> NativePlatform::take_sound_requests()
{
    // The platform logs every call; the host takes them as they come and
    // drops them, so a run keeps nothing per frame.
    std::vector<SoundCall>& calls = scripted_sound_platform().calls;
    std::vector<std::string> requests;
    for (const SoundCall call : calls) {
        window_looked_up_ = window_looked_up_ || call == SoundCall::find_window;
        if (is_reported_sound_call(call))
            requests.push_back(sound_call_name(call));
    }
    calls.clear();
    return requests;
}

WindowLookup NativePlatform::window_lookup()
{
    const ScriptedSoundPlatform& sound = scripted_sound_platform();
    WindowLookup lookup;
    lookup.seen = (window_looked_up_ || sound.count(SoundCall::find_window) > 0) && !sound.devices.empty();
    if (lookup.seen)
        lookup.found_host_window = sound.devices.back().window == native_main_window;
    return lookup;
}

std::optional<ToneBuffer> NativePlatform::tone_buffer()
{
    const ScriptedSoundPlatform& sound = scripted_sound_platform();
    for (auto buffer = sound.buffers.rbegin(); buffer != sound.buffers.rend(); ++buffer)
        if (!buffer->released)
            return ToneBuffer{.format = buffer->format, .samples = buffer->samples};
    return std::nullopt;
}
