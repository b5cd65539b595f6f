// The doctor for blank gauges: reads every window of a panel file, loads
// and installs its gauges as the simulator would, and says line by line
// what keeps a gauge from showing: a module not found, broken or not a
// gauge module, a gauge name it does not offer, a numbering gap, a size of
// nothing, a file the module looked for at install and could not open.
#pragma once

#include <windows.h>

#include <ostream>

#include "host/app/session.h"

// Ends with "N problems"; 0 only when there are none.
int check_panel_file(const HostCommandLine& command_line, HWND host_window, std::ostream& out);

// The executable's path the modules of a panel are told: the host's own
// file name in the simulator's folder; empty when that is not known.
std::string simulator_executable_path(const std::string& simulator_folder);
