// The module file the bench follows with --watch. The bench runs a copy of
// it, so the build can overwrite the file itself while the bench runs (as
// Windows requires); about once a second it looks at the file, and once a
// change has stood still it loads a copy of the new build beside the
// running one, for the session to take or refuse.
#pragma once

#include <windows.h>

#include <string>

#include "host/base/module_file.h"
#include "host/bench/module_follower.h"
#include "host/win32/module_loader.h"
#include "host/win32/win32_platform.h"

// "KRV_ZOR_V1_02.gau, 48128 bytes, 2026-12-09 14:31:02 UTC, version 1.0.0.0",
// of the file at `path` as read into `file`, or as read now.
std::string module_file_description(const std::string& path, const ModuleFile& file);
std::string module_file_description(const std::string& path);

class FollowedModule : public ModuleFollower {
public:
    FollowedModule(std::string path, HWND window);
    ~FollowedModule() override;
    FollowedModule(const FollowedModule&) = delete;
    FollowedModule& operator=(const FollowedModule&) = delete;

    // The first copy; false, with the reason, when the file does not load.
    bool load(std::string& error);
    const LoadedLibrary& running() const { return running_.library; }
    const std::string& running_description() const { return running_.description; }
    // The platform whose resources follow the running module.
    void serve(Win32Platform& platform) { platform_ = &platform; }

    std::optional<ModuleOffer> newer_module(double now_seconds, std::string& refused) override;
    void take() override;
    void refuse() override;

private:
    struct Copy {
        LoadedLibrary library;
        std::string path;
        std::string description; // of the file it was copied from, as read
    };
    std::optional<Copy> load_copy(std::string& error);
    static void drop(Copy& copy);

    std::string path_;
    HWND window_;
    Win32Platform* platform_ = nullptr;
    Copy running_;
    Copy offered_;
    FileSettling settling_;
    int copies_made_ = 0;
};
