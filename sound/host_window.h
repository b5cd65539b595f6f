// Finds the host simulator's main window, to which the sound device is bound.
#pragma once

#include "sound/sound_platform.h"

// The main window of the class that the host executable's file name implies,
// or null when no such window exists.
HostWindow find_host_window();
