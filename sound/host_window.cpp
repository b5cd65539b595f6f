#include "sound/host_window.h"

#include <cstring>

#include "sound/executable_path.h"

namespace {

// The two generations of the host name their main window differently; the
// executable's file name tells which one is running.
constexpr const char* classic_host_window_class = "FS98MAIN";
constexpr const char* later_host_window_class = "MSCFSMAIN";

// One character of the file name, compared exactly.
struct WindowClassRule {
    std::size_t position;
    char character;
    const char* window_class;
};

// ORDER MATTERS: tried top to bottom, the first rule that holds decides, so
// "C2X2" follows the fourth character and "C12" the first.
constexpr WindowClassRule window_class_rules[] = {
    {.position = 3, .character = '2', .window_class = later_host_window_class},
    {.position = 0, .character = 'C', .window_class = later_host_window_class},
    {.position = 2, .character = '2', .window_class = classic_host_window_class},
};
constexpr const char* fallback_window_class = classic_host_window_class;

const char* window_class_for(const char* file_name)
{
    const std::size_t length = std::strlen(file_name);
    for (const WindowClassRule& rule : window_class_rules)
        if (rule.position < length && file_name[rule.position] == rule.character)
            return rule.window_class;
    return fallback_window_class;
}

} // namespace

HostWindow find_host_window()
{
    // An unreadable executable path leaves an empty name, which still names
    // a class: a lookup always takes place.
    PathParts parts{};
    if (!read_executable_path_parts(parts))
        parts.file_name[0] = '\0';
    return sound_platform().find_window(window_class_for(parts.file_name));
}
