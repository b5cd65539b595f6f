#include "host/win32/followed_module.h"

#include <cstdio>
#include <fstream>
#include <vector>

#include "host/base/module_file.h"
#include "host/panelfile/panel_install.h"
#include "host/win32/directsound_watch.h"

namespace {

FileStamp stamp_of(const std::string& path)
{
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data))
        return {};
    return {.exists = true,
            .size = (std::uint64_t{data.nFileSizeHigh} << 32) | data.nFileSizeLow,
            .time = (std::uint64_t{data.ftLastWriteTime.dwHighDateTime} << 32) | data.ftLastWriteTime.dwLowDateTime};
}

} // namespace

std::string module_file_description(const std::string& path, const ModuleFile& file)
{
    const FileStamp stamp = stamp_of(path);
    FILETIME written{.dwLowDateTime = static_cast<DWORD>(stamp.time),
                     .dwHighDateTime = static_cast<DWORD>(stamp.time >> 32)};
    SYSTEMTIME utc{};
    FileTimeToSystemTime(&written, &utc);
    char when[32];
    std::snprintf(when, sizeof when, "%04u-%02u-%02u %02u:%02u:%02u UTC", utc.wYear, utc.wMonth, utc.wDay, utc.wHour,
                  utc.wMinute, utc.wSecond);
    const std::string version = module_file_version(file.pe);
    return file_name_of(path) + ", " + std::to_string(file.bytes.size()) + " bytes, " + when + ", " +
        (version.empty() ? "no version resource" : "version " + version);
}

std::string module_file_description(const std::string& path)
{
    return module_file_description(path, read_module_file(path));
}

FollowedModule::FollowedModule(std::string path, HWND window)
    : path_(std::move(path)), window_(window), settling_(stamp_of(path_))
{
}

FollowedModule::~FollowedModule()
{
    drop(offered_);
    drop(running_);
}

bool FollowedModule::load(std::string& error)
{
    auto copy = load_copy(error);
    if (!copy)
        return false;
    running_ = *copy;
    watch_module_system_calls(running_.library.handle, window_);
    return true;
}

// The file read whole, checked, and written to a copy of its own that
// the system then loads.
std::optional<FollowedModule::Copy> FollowedModule::load_copy(std::string& error)
{
    const ModuleFile file = read_module_file(path_);
    if (file.problem) {
        error = "module file " + *file.problem;
        return std::nullopt;
    }
    const std::vector<std::uint8_t>& bytes = file.bytes;
    char folder[MAX_PATH] = {};
    GetTempPathA(sizeof folder, folder);
    Copy copy;
    copy.path = std::string(folder) + "zor_bench_" + std::to_string(GetCurrentProcessId()) + "_" +
        std::to_string(++copies_made_) + "_" + file_name_of(path_);
    std::ofstream out(copy.path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    out.close();
    if (!out) {
        error = "no copy of the module file could be written to " + copy.path;
        return std::nullopt;
    }
    // The copy's name says nothing to the user: the error names the file.
    const auto library = load_checked_module(copy.path, file.pe, error);
    if (!library) {
        error = "module file " + error;
        DeleteFileA(copy.path.c_str());
        return std::nullopt;
    }
    copy.library = *library;
    copy.description = module_file_description(path_, file);
    return copy;
}

void FollowedModule::drop(Copy& copy)
{
    if (copy.library.handle != nullptr)
        FreeLibrary(copy.library.handle);
    if (!copy.path.empty())
        DeleteFileA(copy.path.c_str());
    copy = Copy{};
}

std::optional<ModuleOffer> FollowedModule::newer_module(double now_seconds, std::string& refused)
{
    if (!settling_.look_due(now_seconds) || !settling_.ready(stamp_of(path_)))
        return std::nullopt;
    auto copy = load_copy(refused);
    if (!copy)
        return std::nullopt;
    offered_ = *copy;
    return ModuleOffer{.module = offered_.library.records, .description = offered_.description};
}

void FollowedModule::take()
{
    drop(running_);
    running_ = offered_;
    offered_ = Copy{};
    watch_module_system_calls(running_.library.handle, window_);
    if (platform_ != nullptr)
        platform_->set_module(running_.library.handle);
}

void FollowedModule::refuse()
{
    drop(offered_);
}
