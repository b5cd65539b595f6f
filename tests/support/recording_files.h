// Small readers shared by the tests that open what Wine recorded.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

// A little-endian field of 1 to 4 bytes at `at`.
inline std::uint32_t read_le(const std::string& bytes, std::size_t at, int width)
{
    std::uint32_t value = 0;
    for (int i = width - 1; i >= 0; --i)
        value = value << 8 | static_cast<std::uint8_t>(bytes[at + i]);
    return value;
}

// A Unix path as a Windows program under Wine opens it, on the Z: drive.
inline std::string wine_path(std::string path)
{
    if (!path.empty() && path.front() == '/')
        path = "Z:" + path;
    for (char& c : path)
        if (c == '/')
            c = '\\';
    return path;
}
