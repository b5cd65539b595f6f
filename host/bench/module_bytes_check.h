// A module's bytes, as copied from a file a build may still be writing,
// read as the system's loader would before it is asked to load them:
// whether they are a 32-bit Windows DLL at all and whether they are whole,
// so that a file cut short is told apart, in words, from one that is not a
// module. Loading a module from its own file checks that file with
// module_file_fault() instead, which also names the DLLs it lacks.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>

// nullopt when the file looks like a whole 32-bit DLL.
std::optional<std::string> module_file_problem(std::span<const std::uint8_t> bytes);
