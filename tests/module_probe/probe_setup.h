// Where the probe finds the module and puts the tone, and the main window it
// offers the module as the host's.
#pragma once

#include <windows.h>

#include <string>

#include "tests/sound/wave_bytes.h"

struct ProbeSetup {
    std::string module_path; // the built module
    std::string folder;      // the probe's own folder: the host's folder, as the module sees it
    HWND host_window = nullptr;
};

// Where the module looks for its tone: the gauges folder below the host's.
std::string tone_path(const ProbeSetup& setup);

// False when the file cannot be written whole.
bool write_file(const std::string& path, const Bytes& bytes);
