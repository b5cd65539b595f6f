// The probe's side of the panel: bitmaps from the loaded module's own
// resources, and the module's sound calls and window lookup as the watch
// saw them. It draws nothing itself and shows no tooltips.
#pragma once

#include <windows.h>

#include "host/panel/platform.h"

class ProbePlatform : public HostPlatform {
public:
    explicit ProbePlatform(HMODULE module) : module_(module) {}

    std::optional<Image> bitmap(std::uint32_t resource_id) override;
    std::string format_tooltip(const char*, const std::vector<std::int32_t>&) override { return {}; }
    std::vector<std::string> take_sound_requests() override;
    WindowLookup window_lookup() override;

private:
    HMODULE module_;
};
