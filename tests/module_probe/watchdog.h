// Bounds the time each case of the probe may take, and reports the case a
// crash happened in. A hang or a crash ends the whole process with a line
// that names the case, rather than a test that sits until its time-out or
// dies without a word.
#pragma once

#include <string>

// Starts the watchdog thread and the crash report; once per process.
void start_watchdog();

// From now on `name` is being run, and must be done within `seconds`.
void watch_case(const std::string& name, double seconds);

// Exit status of a process ended by the watchdog or a crash.
inline constexpr int exit_hang = 4;
inline constexpr int exit_crash = 5;
