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

std::optional<std::string> Win32Platform::guarded(const std::function<void()>& work)
{
    return run_guarded(work);
}
