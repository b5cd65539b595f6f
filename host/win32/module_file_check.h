// What is wrong with a module file before it is loaded, read from its own
// bytes: whether it is a 32-bit Windows DLL at all, whether it is whole, and
// which of the DLLs it imports cannot be found. Loading a broken file is
// never tried, so a text file or a cut-off module cannot take the host down.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// Module files bigger than this are not read: no gauge module is.
inline constexpr std::uint64_t module_file_max_bytes = 64u << 20;

// nullopt when the file is a whole 32-bit x86 DLL; otherwise what it is.
std::optional<std::string> module_file_fault(const std::string& path);

// The DLLs the module imports, by name, as its import table lists them.
std::vector<std::string> imported_libraries(const std::string& path);

// Those of them that are neither beside the module nor loadable from the
// system's folders.
std::vector<std::string> missing_libraries(const std::string& path);
