// The host's platform on Windows: bitmaps from the loaded module's
// resources, tooltips through FormatMessageA, the module's system calls as
// the watch saw them, and the main window's messages.
#pragma once

#include <windows.h>

#include "host/panel/platform.h"

class Win32Platform : public HostPlatform {
public:
    explicit Win32Platform(HMODULE module) : module_(module) {}

    std::optional<Image> bitmap(std::uint32_t resource_id) override;
    std::string format_tooltip(const char* text, const std::vector<std::int32_t>& arguments) override;
    std::vector<std::string> take_sound_requests() override;
    WindowLookup window_lookup() override;
    std::optional<ToneBuffer> tone_buffer() override;
    void pump_messages() override;
    std::optional<std::string> guarded(const std::function<void()>& work) override;

    // The module whose resources the bitmaps come from, after a reload.
    void set_module(HMODULE module) { module_ = module; }

private:
    HMODULE module_;
};
