// Watches the module's use of the system: its main-window lookup and the
// calls it makes on its DirectSound device and tone buffer, which go through
// to DirectSound unchanged. The calls are named as the trace names them.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "host/core/host_platform.h"

// Redirects the module's imports of FindWindowA and DirectSoundCreate.
void watch_module_system_calls(HMODULE module, HWND host_window);

std::vector<std::string> take_watched_sound_calls();
WindowLookup watched_window_lookup();
