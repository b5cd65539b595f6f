// The doctor's report, module by module: for each module a panel names,
// its gauge lines on every window with a verdict each (placed where and
// how big, or what keeps it off), the modules all fine first, so a pilot
// who added one module sees its verdict before anything about the other
// makers' gauges; then what is said about the file itself; then which
// modules have problems, and their count.
#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "host/panel/panel_canvas.h"
#include "host/panelfile/panel_opening.h"

struct CheckedWindow {
    const PanelWindow* window = nullptr;
    std::vector<const PanelGaugeLine*> placed_lines;
    std::vector<PlacedGauge> placed; // beside placed_lines
};

// The count of problems; paths that begin with `relative_to` are written
// from there on.
int print_panel_report(const FollowedPanel& followed, const std::vector<CheckedWindow>& windows,
                       std::vector<PanelMessage> messages, std::ostream& out, const std::string& relative_to);
