#include "host/win32/followed_module.h"

#include <cstdio>
#include <fstream>
#include <vector>

#include "host/bench/module_bytes_check.h"
#include "host/base/input_file.h"
#include "host/scenario/panel_install.h"
#include "host/win32/directsound_watch.h"
#include "host/win32/module_file_check.h"

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

std::string version_of(const std::string& path)
{
    DWORD ignored = 0;
    const DWORD size = GetFileVersionInfoSizeA(path.c_str(), &ignored);
    std::vector<char> block(size);
    VS_FIXEDFILEINFO* info = nullptr;
    UINT length = 0;
    if (size == 0 || !GetFileVersionInfoA(path.c_str(), 0, size, block.data()) ||
        !VerQueryValueA(block.data(), "\\", reinterpret_cast<void**>(&info), &length) || info == nullptr)
        return "no version resource";
    char text[48];
    std::snprintf(text, sizeof text, "version %u.%u.%u.%u", unsigned{HIWORD(info->dwFileVersionMS)},
                  unsigned{LOWORD(info->dwFileVersionMS)}, unsigned{HIWORD(info->dwFileVersionLS)},
                  unsigned{LOWORD(info->dwFileVersionLS)});
    return text;
}

} // namespace

std::string module_file_description(const std::string& path)
{
    const FileStamp stamp = stamp_of(path);
    FILETIME written{.dwLowDateTime = static_cast<DWORD>(stamp.time),
                     .dwHighDateTime = static_cast<DWORD>(stamp.time >> 32)};
    SYSTEMTIME utc{};
    FileTimeToSystemTime(&written, &utc);
    char when[32];
    std::snprintf(when, sizeof when, "%04u-%02u-%02u %02u:%02u:%02u UTC", utc.wYear, utc.wMonth, utc.wDay, utc.wHour,
                  utc.wMinute, utc.wSecond);
    return file_name_of(path) + ", " + std::to_string(stamp.size) + " bytes, " + when + ", " + version_of(path);
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
    const auto read = read_input_file(path_, module_file_max_bytes, error);
    if (!read) {
        error = "module file " + error;
        return std::nullopt;
    }
    const std::vector<std::uint8_t>& bytes = *read;
    if (const auto problem = module_file_problem(bytes)) {
        error = *problem;
        return std::nullopt;
    }
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
    const auto library = load_gauge_module(copy.path, error);
    if (!library) {
        error = error.substr(copy.path.size() + 2); // the copy's name says nothing
        DeleteFileA(copy.path.c_str());
        return std::nullopt;
    }
    copy.library = *library;
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
    return ModuleOffer{.module = offered_.library.records, .description = module_file_description(path_)};
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
