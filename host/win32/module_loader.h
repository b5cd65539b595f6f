// Loading a gauge module from a file and finding its two exported records.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

#include "host/base/pe_file.h"
#include "host/panel/platform.h"

struct LoadedLibrary {
    HMODULE handle = nullptr;
    LoadedModule records;
};

// nullopt, with the reason in `error` after the path, when the file is no
// whole 32-bit DLL (module_file.h), does not load, or does not export both
// records. The file is read once, for its check and for the DLLs it needs.
std::optional<LoadedLibrary> load_gauge_module(const std::string& path, std::string& error);

// A file already read and found whole (`file`, the facts of its bytes),
// loaded from `path`; the reason in `error` is said after the file's name:
// naming the DLLs it imports that are missing when it does not load.
std::optional<LoadedLibrary> load_checked_module(const std::string& path, const PeFile& file, std::string& error);

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
