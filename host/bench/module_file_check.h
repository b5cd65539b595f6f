// A module file read as the system's loader would, before it is asked to
// load it: whether it is a 32-bit Windows DLL at all and whether it is
// whole, so that a file a build is still writing is told apart, in words,
// from one that is not a module.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>

// nullopt when the file looks like a whole 32-bit DLL.
std::optional<std::string> module_file_problem(std::span<const std::uint8_t> bytes);
