// A file's bytes, read whole: a bitmap file, a tone file, a module file.
#pragma once

#include <cstdint>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

#include "host/base/utf8_path.h"

// nullopt when the file cannot be opened.
inline std::optional<std::vector<std::uint8_t>> file_bytes(const std::string& path)
{
    std::ifstream in(utf8_path(path), std::ios::binary);
    if (!in)
        return std::nullopt;
    return std::vector<std::uint8_t>{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}
