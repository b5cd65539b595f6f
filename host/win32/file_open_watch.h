// Watches the files a module opens, and answers its question for the
// executable's path. A module looks for its files below the simulator's
// executable; the host answers with a path in the simulator's folder, so
// that what the module looks for is looked for where the simulator would
// have it, and the files it could not open are known by name.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

// Redirects the module's imports of the file-opening routines (the wave
// files', the system's and the C runtime's) and of GetModuleFileNameA.
void watch_module_file_opens(HMODULE module);

// From now on, the executable's path the watched modules are told; empty
// tells them the host's own.
void answer_executable_path(const std::string& path);

struct FailedFileOpen {
    // clang-format off
    HMODULE     module = nullptr;   // whose code asked
    std::string path;
    DWORD       error = 0;          // the system's reason
    // clang-format on
};
// Failed opens since the last call, oldest first.
std::vector<FailedFileOpen> take_failed_file_opens();
