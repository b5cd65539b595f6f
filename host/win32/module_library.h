// The modules a panel file names, loaded side by side as DLLs, each
// watched (its window lookup, sound and file opens) and drawing from its
// own resources. A file is loaded once however often it is named.
#pragma once

#include <windows.h>

#include <deque>
#include <map>
#include <string>

#include "host/panelfile/panel_opening.h"
#include "host/win32/module_loader.h"

class Win32ModuleLibrary : public ModuleLibrary {
public:
    explicit Win32ModuleLibrary(HWND host_window) : host_window_(host_window) {}

    std::optional<LoadedModule> load(const std::string& path, std::string& error) override;
    // The loaded module of a file; null when it was not loaded.
    HMODULE handle_of(const std::string& path) const;

private:
    struct Entry {
        HMODULE handle = nullptr;
        LoadedModule records;
        std::string error;
    };
    HWND host_window_;
    std::map<std::string, Entry> loaded_; // by the file's full path, lower case
    std::deque<ModuleBitmaps> bitmaps_;
};

// A path as the system writes it in full: drive, backslashes.
std::string full_path(const std::string& path);
