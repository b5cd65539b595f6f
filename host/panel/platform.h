// What the panel host needs from the system it runs on. The Windows program
// gives it the loaded module's resources, FormatMessageA and its own window;
// the native build gives it the generated bitmap files and the module logic
// linked in, so the same host code drives both.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "abi/host_formats.h"
#include "host/raster/image.h"

// Where a module's bitmap resources come from.
class BitmapSource {
public:
    virtual ~BitmapSource() = default;
    // A bitmap resource of the module, decoded; nullopt when it has none.
    virtual std::optional<Image> bitmap(std::uint32_t resource_id) = 0;
};

// The module's two exported records, wherever they came from, and its
// bitmaps: the platform's own when no source is named (the one module a
// plain run loads), the module's own when several load side by side.
struct LoadedModule {
    // clang-format off
    LinkageRecord*     linkage = nullptr;
    ImportTableRecord* import_table = nullptr;
    BitmapSource*      bitmaps = nullptr;
    // clang-format on
};

// How the module's own window lookup went at install: the class it asked
// for and whether the answer was the host's main window.
struct WindowLookup {
    // clang-format off
    bool        seen = false;
    std::string window_class;
    bool        found_host_window = false;
    // clang-format on
};

// The sound data the module gave its tone buffer, as DirectSound holds it.
struct ToneBuffer {
    std::vector<std::uint8_t> format; // the wave format head and its extra bytes
    std::vector<std::uint8_t> samples;
};

class HostPlatform : public BitmapSource {
public:
    // A tooltip text with its numbered inserts filled from `arguments`.
    virtual std::string format_tooltip(const char* text, const std::vector<std::int32_t>& arguments) = 0;

    // Sound calls the module made since the last call, oldest first.
    virtual std::vector<std::string> take_sound_requests() = 0;

    virtual WindowLookup window_lookup() = 0;

    // The tone buffer the module made last; nullopt while it has none.
    virtual std::optional<ToneBuffer> tone_buffer() { return std::nullopt; }

    // Lets the system deliver its own messages between frames.
    virtual void pump_messages() {}

    // Runs work that calls into the module so that a fault inside it (an
    // access violation, an illegal instruction, ...) ends only that work:
    // the fault in words, or nullopt when the work ran through. Where the
    // system offers no such guard the work simply runs.
    virtual std::optional<std::string> guarded(const std::function<void()>& work)
    {
        work();
        return std::nullopt;
    }
};

// How a crash of the module is told, at start-up, in a run or after a reload.
inline std::string module_crash_message(const std::string& fault)
{
    return "the module crashed in its gauge callbacks: " + fault;
}
