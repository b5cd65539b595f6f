// Paths as the host holds them: UTF-8 text, from the command line to the
// messages. A file is opened through utf8_path, so on Windows it is named
// to the file system in UTF-16 and a path outside the ANSI code page
// (Cyrillic, CJK) names the same file it names on the command line.
#pragma once

#include <cstdio>
#include <filesystem>
#include <string>
#include <type_traits>

inline std::filesystem::path utf8_path(const std::string& text)
{
    return std::filesystem::path(std::u8string(text.begin(), text.end()));
}

inline std::string utf8_text(const std::filesystem::path& path)
{
    const std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
}

// A C file opened by its UTF-8 name: on Windows through the wide-character
// call, so a name outside the ANSI code page opens the file it names. The
// call is made dependent on the path's character type, so the branch of
// the other system is never compiled.
template <typename Char = std::filesystem::path::value_type>
std::FILE* open_utf8_file(const std::string& text, const char* mode)
{
    const std::filesystem::path path = utf8_path(text);
    const Char* name = path.c_str();
    if constexpr (std::is_same_v<Char, char>) {
        return std::fopen(name, mode);
    } else {
        const std::basic_string<Char> wide_mode(mode, mode + std::char_traits<char>::length(mode));
        return _wfopen(name, wide_mode.c_str());
    }
}
