#include "host/win32/win32_platform.h"

#include "host/win32/crash_guard.h"
#include "host/win32/directsound_watch.h"
#include "host/win32/main_window.h"
#include "host/win32/module_loader.h"

std::optional<Image> Win32Platform::bitmap(std::uint32_t resource_id)
{
    return module_bitmap(module_, resource_id);
}

std::string Win32Platform::format_tooltip(const char* text, const std::vector<std::int32_t>& arguments)
{
    std::vector<DWORD_PTR> words(arguments.begin(), arguments.end());
    char out[256] = {};
    const DWORD length = FormatMessageA(FORMAT_MESSAGE_FROM_STRING | FORMAT_MESSAGE_ARGUMENT_ARRAY, text, 0, 0, out,
                                        sizeof out, reinterpret_cast<va_list*>(words.data()));
    return std::string(out, length);
}

std::vector<std::string> Win32Platform::take_sound_requests()
{
    return take_watched_sound_calls();
}

WindowLookup Win32Platform::window_lookup()
{
    return watched_window_lookup();
}

void Win32Platform::pump_messages()
{
    pump_window_messages();
}

// Read through a lock of the whole buffer, which leaves its data as it is.
std::optional<ToneBuffer> Win32Platform::tone_buffer()
{
    const WatchedToneBuffer& watched = watched_tone_buffer();
    if (watched.buffer == nullptr)
        return std::nullopt;
    void* first = nullptr;
    void* second = nullptr;
    DWORD first_bytes = 0, second_bytes = 0;
    if (watched.buffer->Lock(0, 0, &first, &first_bytes, &second, &second_bytes, DSBLOCK_ENTIREBUFFER) != DS_OK)
        return std::nullopt;
    ToneBuffer tone{.format = watched.format, .samples = {}};
    const auto* bytes = static_cast<const std::uint8_t*>(first);
    tone.samples.assign(bytes, bytes + first_bytes);
    if (second != nullptr) {
        bytes = static_cast<const std::uint8_t*>(second);
        tone.samples.insert(tone.samples.end(), bytes, bytes + second_bytes);
    }
    watched.buffer->Unlock(first, first_bytes, second, second_bytes);
    return tone;
}

std::optional<std::string> Win32Platform::guarded(const std::function<void()>& work)
{
    return run_guarded(work);
}
