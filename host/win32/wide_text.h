// The host's UTF-8 text and Windows' UTF-16, both ways: the command line
// arrives in UTF-16 and file names go back to Windows in it, so a path
// outside the ANSI code page survives the trip.
#pragma once

#include <windows.h>

#include <string>

// Text in a code page (UTF-8, or the system's ANSI one) as UTF-16, and back.
inline std::wstring wide_from(UINT code_page, const std::string& text)
{
    const int length = MultiByteToWideChar(code_page, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(length), L'\0');
    MultiByteToWideChar(code_page, 0, text.data(), static_cast<int>(text.size()), wide.data(), length);
    return wide;
}

inline std::string narrow_to(UINT code_page, const std::wstring& wide)
{
    const int length =
        WideCharToMultiByte(code_page, 0, wide.data(), static_cast<int>(wide.size()), nullptr, 0, nullptr, nullptr);
    std::string text(static_cast<std::size_t>(length), '\0');
    WideCharToMultiByte(code_page, 0, wide.data(), static_cast<int>(wide.size()), text.data(), length, nullptr,
                        nullptr);
    return text;
}

inline std::wstring wide_text(const std::string& text)
{
    return wide_from(CP_UTF8, text);
}

inline std::string utf8_from_wide(const std::wstring& wide)
{
    return narrow_to(CP_UTF8, wide);
}

// A path as a module's ANSI calls see it, in the system's ANSI code page:
// a letter the code page lacks becomes '?', as Windows hands it over.
inline std::string ansi_text(const std::string& text)
{
    return narrow_to(CP_ACP, wide_text(text));
}

inline std::string utf8_from_ansi(const std::string& ansi)
{
    return utf8_from_wide(wide_from(CP_ACP, ansi));
}
