// Loading a gauge module from a file and finding its two exported records.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

#include "host/panel/platform.h"

struct LoadedLibrary {
    HMODULE handle = nullptr;
    LoadedModule records;
};

// nullopt, with the reason in `error`, when the file is no whole 32-bit
// DLL, does not load (naming the DLLs it needs that are missing), or does
// not export both records. A broken file is never handed to the loader.
std::optional<LoadedLibrary> load_gauge_module(const std::string& path, std::string& error);

// A bitmap resource of a loaded module, decoded.
std::optional<Image> module_bitmap(HMODULE module, std::uint32_t resource_id);

// A loaded module's bitmaps, for a panel of several modules.
class ModuleBitmaps : public BitmapSource {
public:
    explicit ModuleBitmaps(HMODULE module) : module_(module) {}
    std::optional<Image> bitmap(std::uint32_t resource_id) override { return module_bitmap(module_, resource_id); }

private:
    HMODULE module_;
};
