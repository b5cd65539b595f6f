// Watches the module's use of the system: its main-window lookup and the
// calls it makes on its DirectSound device and tone buffer, which go through
// to DirectSound unchanged. The calls are named as the trace names them.
#pragma once

#include <windows.h>
#include <dsound.h>

#include <cstdint>
#include <string>
#include <vector>

#include "host/panel/platform.h"

// Redirects the module's imports of FindWindowA and DirectSoundCreate.
void watch_module_system_calls(HMODULE module, HWND host_window);

std::vector<std::string> take_watched_sound_calls();
WindowLookup watched_window_lookup();

// The sound objects the module holds: made and not yet given back for good.
struct WatchedSoundObjects {
    int devices_alive = 0;
    int buffers_alive = 0;
    int most_devices_alive = 0; // at any one moment since the process started
};
WatchedSoundObjects watched_sound_objects();

// The tone buffer the module made last, as it described it to DirectSound.
struct WatchedToneBuffer {
    // clang-format off
    IDirectSoundBuffer*       buffer = nullptr; // null once given back for good
    DWORD                     flags = 0;
    DWORD                     bytes = 0;
    std::vector<std::uint8_t> format;           // the head and the extra bytes it announces
    // clang-format on
};
const WatchedToneBuffer& watched_tone_buffer();
