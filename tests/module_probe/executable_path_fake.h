// A host executable of the probe's choosing: the module's import of
// GetModuleFileNameA answers for the process with a path the probe sets,
// cut to the caller's buffer the way Windows cuts it.
#pragma once

#include <windows.h>

#include <string>

enum class PathCut {
    terminated,   // Windows Vista on: the buffer is filled and ends with a zero
    unterminated, // earlier Windows: the buffer is filled with no zero at all
    unreadable,   // the call fails and returns 0
};

// False when the module imports no GetModuleFileNameA to redirect.
bool fake_executable_path(HMODULE module, const std::string& path, PathCut cut);
