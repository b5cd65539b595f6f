// What the panel shows now, as the scenario's `expect` lines: every
// element's frame, each needle's angle and hidden flag, the last key event
// and the key count, and the sound the last frame asked for. Flown again,
// they say whether the panel came to the same place.
#pragma once

#include <string>
#include <vector>

#include "host/panel/gauge_panel.h"

std::string panel_expectations(GaugePanel& panel, const std::vector<std::string>& last_frame_sounds);
