#include "probe_platform.h"

#include <span>

#include "host/raster/dib_decoder.h"
#include "host/win32/directsound_watch.h"

std::optional<Image> ProbePlatform::bitmap(std::uint32_t resource_id)
{
    HRSRC found = FindResourceA(module_, MAKEINTRESOURCEA(resource_id), MAKEINTRESOURCEA(2) /* RT_BITMAP */);
    if (found == nullptr)
        return std::nullopt;
    const auto* bytes = static_cast<const std::uint8_t*>(LockResource(LoadResource(module_, found)));
    if (bytes == nullptr)
        return std::nullopt;
    return decode_dib(std::span(bytes, SizeofResource(module_, found)));
}

std::vector<std::string> ProbePlatform::take_sound_requests()
{
    return take_watched_sound_calls();
}

WindowLookup ProbePlatform::window_lookup()
{
    return watched_window_lookup();
}
