// The host executable's path, read once per request and split into its parts.
#pragma once

#include "sound/sound_platform.h"

// Reads the path of the process's executable (the host's, never the module's)
// and splits it. False when the path does not fit in max_path_bytes, since a
// cut-off path names some other folder.
bool read_executable_path_parts(PathParts& parts);
