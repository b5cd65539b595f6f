// Where a simulator keeps what a panel file names: the panel's folder
// (Aircraft\PLANE\Panel\), the simulator's folder three levels above it,
// the other aircraft an alias leads to, and the module files, looked for
// in the panel's folder first and then in the simulator's gauges folder.
// Paths take either separator and keep the one they were written with; a
// name that is a whole path (C:\..., \\server\..., /...) stays as it is.
#pragma once

#include <string>
#include <vector>

#include "host/panelfile/module_search.h"
#include "host/panelfile/panel_file.h"

std::string folder_of(const std::string& path);    // without its separator
std::string file_name_of(const std::string& path); // its last part
std::string join_path(const std::string& folder, const std::string& name);

// Three levels above the panel file's folder; empty when the path is not
// that deep.
std::string simulator_folder_of(const std::string& panel_path);

// A panel file after its [fltsim] alias, followed a few steps and never
// round a loop; `path` is the file read last, its folder the panel's. An
// alias names a folder; gauge lines in a file with an alias are never read
// by a simulator, and are named as such.
struct AliasProblem {
    std::string path; // the file whose alias it is
    int line = 0;
    std::string text;
};
struct FollowedPanel {
    std::string path;
    PanelFile file;
    // Where an alias led nowhere; the file read last has its own messages
    // in `file`.
    std::vector<AliasProblem> problems;
};
inline constexpr int alias_steps_max = 4;
FollowedPanel follow_panel_aliases(const std::string& panel_path, const std::string& simulator_folder);

