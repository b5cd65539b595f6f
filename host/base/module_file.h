// A gauge module's file as the host checks it before anything loads it:
// read once, whole, into its bytes and what they are, and what keeps it from
// loading as a 32-bit gauge module, said in one set of words wherever the
// host says it (the doctor, a load, the bench following a build). Loading a
// broken file is never tried, so a text file or a cut-off module cannot
// take the host down.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "host/base/pe_file.h"

// A module no bigger than this is read whole for its checks; a bigger file
// is refused before it is read.
constexpr std::size_t module_file_max_bytes = std::size_t{64} << 20;

struct ModuleFile {
    std::vector<std::uint8_t> bytes;
    PeFile pe;
    // What is wrong, said after the file's name ("is cut short: 30000 of
    // 1413128 bytes"); nullopt for a whole 32-bit DLL.
    std::optional<std::string> problem;
};

ModuleFile read_module_file(const std::string& path);

// What keeps these facts from being a whole 32-bit DLL, said after the
// file's name; nullopt when nothing does.
std::optional<std::string> module_file_problem(const PeFile& file);

// "1.0.0.0" from the version resource's fixed numbers; empty when it has none.
std::string module_file_version(const PeFile& file);
