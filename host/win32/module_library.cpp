#include "host/win32/module_library.h"

#include "host/panelfile/panel_words.h"
#include "host/win32/directsound_watch.h"
#include "host/win32/file_open_watch.h"
#include "host/win32/wide_text.h"

namespace {

std::string key_of(const std::string& path)
{
    return lower(full_path(path));
}

} // namespace

std::string full_path(const std::string& path)
{
    wchar_t full[MAX_PATH * 4] = {};
    const DWORD length = GetFullPathNameW(wide_text(path).c_str(), MAX_PATH * 4, full, nullptr);
    return length > 0 && length < MAX_PATH * 4 ? utf8_from_wide(std::wstring(full, length)) : path;
}

std::optional<LoadedModule> Win32ModuleLibrary::load(const std::string& path, std::string& error)
{
    const std::string key = key_of(path);
    auto found = loaded_.find(key);
    if (found == loaded_.end()) {
        Entry entry;
        if (const auto library = load_gauge_module(path, entry.error)) {
            entry.handle = library->handle;
            entry.records = library->records;
            watch_module_system_calls(entry.handle, host_window_);
            watch_module_file_opens(entry.handle);
            entry.records.bitmaps = &bitmaps_.emplace_back(entry.handle);
        }
        found = loaded_.emplace(key, entry).first;
    }
    if (found->second.handle == nullptr) {
        error = found->second.error;
        return std::nullopt;
    }
    return found->second.records;
}

HMODULE Win32ModuleLibrary::handle_of(const std::string& path) const
{
    const auto found = loaded_.find(key_of(path));
    return found == loaded_.end() ? nullptr : found->second.handle;
}
