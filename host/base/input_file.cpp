#include "host/base/input_file.h"

#include <filesystem>
#include <fstream>
#include <iterator>

#include "host/base/utf8_path.h"

namespace fs = std::filesystem;

bool listed_in_folder(const fs::path& path)
{
    std::error_code error;
    const fs::path folder = path.parent_path().empty() ? fs::path(".") : path.parent_path();
    for (fs::directory_iterator entry(folder, error), end; !error && entry != end; entry.increment(error))
        if (entry->path().filename() == path.filename())
            return true;
    return false;
}

std::optional<std::string> input_file_refusal(const std::string& path)
{
    std::error_code error;
    const fs::file_status status = fs::status(utf8_path(path), error);
    switch (status.type()) {
    case fs::file_type::regular: return std::nullopt;
    case fs::file_type::not_found:
        // Under Wine a device or a FIFO has no status a Windows program can
        // read, but it is still listed in its folder.
        return listed_in_folder(utf8_path(path)) ? "is not a regular file" : "is not there";
    case fs::file_type::directory: return "is a folder, not a file";
    case fs::file_type::fifo: return "is a FIFO, not a file";
    case fs::file_type::character:
    case fs::file_type::block: return "is a device, not a file";
    case fs::file_type::socket: return "is a socket, not a file";
    default: return "cannot be read (" + (error ? error.message() : std::string("not a regular file")) + ")";
    }
}

std::optional<std::vector<std::uint8_t>> read_input_file(const std::string& path, std::uint64_t max_bytes,
                                                         std::string& error)
{
    if (auto refused = input_file_refusal(path)) {
        error = *refused;
        return std::nullopt;
    }
    std::error_code size_error;
    const std::uintmax_t size = fs::file_size(utf8_path(path), size_error);
    if (size_error) {
        error = "cannot be read (" + size_error.message() + ")";
        return std::nullopt;
    }
    if (size > max_bytes) {
        error = "is " + std::to_string(size) + " bytes, more than the " + std::to_string(max_bytes) +
            " this host reads from such a file";
        return std::nullopt;
    }
    std::ifstream in(utf8_path(path), std::ios::binary);
    if (!in) {
        error = "cannot be opened";
        return std::nullopt;
    }
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(size));
    in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(size));
    // A file that shrank since it was measured is read as it now is; one
    // that grew is read up to the size it was measured at.
    if (in.bad()) {
        error = "cannot be read";
        return std::nullopt;
    }
    bytes.resize(static_cast<std::size_t>(in.gcount()));
    return bytes;
}
