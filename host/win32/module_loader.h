// Loading a gauge module from a file and finding its two exported records.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

#include "host/panel/platform.h"

struct LoadedLibrary {
    HMODULE      handle = nullptr;
    LoadedModule records;
};

// nullopt, with the reason in `error`, when the file does not load or does
// not export both records.
std::optional<LoadedLibrary> load_gauge_module(const std::string& path, std::string& error);
