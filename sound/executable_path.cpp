#include "sound/executable_path.h"

bool read_executable_path_parts(PathParts& parts)
{
    const SoundPlatform& platform = sound_platform();
    char path[max_path_bytes];
    const std::uint32_t length = platform.executable_path(path, sizeof path);
    // A path that fills the whole buffer was cut off, and may lack its zero.
    if (length == 0 || length >= sizeof path)
        return false;
    path[length] = '\0';
    platform.split_path(path, parts);
    return true;
}
