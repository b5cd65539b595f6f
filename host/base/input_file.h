// Files the host reads (a scenario, a panel file, a background, a module, a
// gauge bitmap, the tone) are regular files of a size the host can hold:
// a folder, a FIFO or a device is refused by name before it is opened, as
// opening one blocks for ever (a FIFO with no writer) or reads without end
// (/dev/zero).
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

// Whether `path` names an entry of its folder, whatever its kind: under
// Wine a device or a FIFO has no status, but it is listed.
bool listed_in_folder(const std::filesystem::path& path);

// Why `path` cannot be read as an input file, said to follow its name ("is
// a folder, not a file", "is a FIFO, not a file", "is not there", ...), or
// nullopt when it is a regular file.
std::optional<std::string> input_file_refusal(const std::string& path);

// The file's bytes, read whole, or nullopt with the reason: not a regular
// file, larger than `max_bytes` (said before anything is read), unreadable.
// The reason does not repeat the path.
std::optional<std::vector<std::uint8_t>> read_input_file(const std::string& path, std::uint64_t max_bytes,
                                                         std::string& error);
