// Paths as the host holds them: UTF-8 text, from the command line to the
// messages. A file is opened through utf8_path, so on Windows it is named
// to the file system in UTF-16 and a path outside the ANSI code page
// (Cyrillic, CJK) names the same file it names on the command line.
#pragma once

#include <filesystem>
#include <string>

inline std::filesystem::path utf8_path(const std::string& text)
{
    return std::filesystem::path(std::u8string(text.begin(), text.end()));
}

inline std::string utf8_text(const std::filesystem::path& path)
{
    const std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
}
