#include "sound/sound_path.h"

#include <cstring>

#include "sound/executable_path.h"
#include "sound/sound_platform.h"

namespace {

// Appends `part` at `used`; false when it and the terminating zero do not fit.
bool append(char* text, std::size_t& used, const char* part)
{
    const std::size_t length = std::strlen(part);
    if (length >= max_path_bytes - used)
        return false;
    std::memcpy(text + used, part, length + 1);
    used += length;
    return true;
}

} // namespace

char* build_sound_path(const char* relative_path)
{
    const SoundPlatform& platform = sound_platform();
    char* text = platform.allocate_text(max_path_bytes);
    if (text == nullptr)
        return nullptr;

    PathParts parts{};
    std::size_t used = 0;
    text[0] = '\0';
    const bool built = read_executable_path_parts(parts) && append(text, used, parts.drive) &&
        append(text, used, parts.directory) && append(text, used, relative_path);
    if (!built) {
        platform.free_text(text);
        return nullptr;
    }
    return text;
}

void free_sound_path(char* path)
{
    if (path != nullptr)
        sound_platform().free_text(path);
}
