// The host's platform in the native build: the module's logic is linked in,
// its bitmaps are the generated .bmp files, and its sound calls go to the
// scripted sound platform, which plays the real tone file into memory.
#pragma once

#include <string>

#include "host/panel/platform.h"

class NativePlatform : public HostPlatform {
public:
    // `executable_path` is the Windows path the module sees for the host;
    // the tone file is offered below its folder, and a main window of the
    // class its name calls for.
    NativePlatform(std::string bitmap_folder, std::string tone_file, std::string executable_path);

    std::optional<Image> bitmap(std::uint32_t resource_id) override;
    std::string format_tooltip(const char* text, const std::vector<std::int32_t>& arguments) override;
    std::vector<std::string> take_sound_requests() override;
    WindowLookup window_lookup() override;
    std::optional<ToneBuffer> tone_buffer() override;

    // The module linked into this program.
    static LoadedModule linked_module();

private:
    std::string bitmap_folder_;
    bool window_looked_up_ = false; // a find_window call taken off the log
};
