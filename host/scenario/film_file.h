// Whether a film can be written at a path: its folder exists and takes a
// file of that name (tried, and taken away again, so that a run that ends
// without a film leaves none). Asked before the first frame of the film,
// so that a film that cannot be written stops the run before its flight.
#pragma once

#include <cstdio>
#include <fstream>
#include <string>

inline bool film_file_writable(const std::string& path)
{
    if (!std::ofstream(path, std::ios::binary | std::ios::trunc))
        return false;
    std::remove(path.c_str());
    return true;
}
