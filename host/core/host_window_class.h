// The class of the simulator's main window, which gauges look for by the
// simulator's executable name: its two generations name the window
// differently. The host registers its own window by the same rule.
#pragma once

#include <string>

inline constexpr const char* classic_main_window_class = "FS98MAIN";
inline constexpr const char* later_main_window_class   = "MSCFSMAIN";

// `file_name` without folder or extension, compared case by case.
const char* main_window_class_for(const std::string& file_name);

// The file name part of a Windows or POSIX path, without its extension.
std::string executable_file_name(const std::string& path);
