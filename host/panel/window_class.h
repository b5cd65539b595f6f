// The class of the simulator's main window, which gauges look for by the
// simulator's executable name: its two generations name the window
// differently. The host registers its own window by the same rule.
//
// This is the host's own copy of the rule, kept apart on purpose from the
// module's (sound/host_window.cpp): the host stands for the simulator, the
// other side of the lookup, and the scenarios run under other names check
// that the module finds the window this copy registers.
#pragma once

#include <string>

inline constexpr const char* classic_main_window_class = "FS98MAIN";
inline constexpr const char* later_main_window_class = "MSCFSMAIN";

// `file_name` without folder or extension, compared case by case.
const char* main_window_class_for(const std::string& file_name);

// The file name part of a Windows or POSIX path, without its extension.
std::string executable_file_name(const std::string& path);
