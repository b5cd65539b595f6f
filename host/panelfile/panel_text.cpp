#include "host/panelfile/panel_text.h"

#include "host/base/utf8_encoding.h"

#include <algorithm>
#include <cstdint>

#include "host/panelfile/panel_words.h"

namespace {

constexpr std::string_view utf8_mark = "\xef\xbb\xbf";
constexpr std::string_view utf16_le_mark = "\xff\xfe";
constexpr std::string_view utf16_be_mark = "\xfe\xff";
constexpr std::uint32_t replacement = 0xfffd;
constexpr const char* save_as_ansi = "save it as ANSI text (Notepad: File, Save As, Encoding: ANSI)";

// UTF-16 units to UTF-8; a surrogate without its partner is U+FFFD.
std::string from_utf16(std::string_view bytes, bool little_endian)
{
    const auto unit = [&](std::size_t i) {
        const auto a = static_cast<unsigned char>(bytes[i]), b = static_cast<unsigned char>(bytes[i + 1]);
        return static_cast<std::uint32_t>(little_endian ? a | b << 8 : b | a << 8);
    };
    std::string out;
    out.reserve(bytes.size() / 2);
    for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
        std::uint32_t code = unit(i);
        if (code >= 0xd800 && code < 0xdc00 && i + 3 < bytes.size() && unit(i + 2) >= 0xdc00 && unit(i + 2) < 0xe000) {
            code = 0x10000 + ((code - 0xd800) << 10) + (unit(i + 2) - 0xdc00);
            i += 2;
        } else if (code >= 0xd800 && code < 0xe000) {
            code = replacement;
        }
        append_utf8(out, code);
    }
    return out;
}

// UTF-16 without a mark: text of Latin letters has a NUL in every other
// byte, on the same side throughout.
bool looks_like_utf16(std::string_view bytes, std::size_t zero_side)
{
    if (bytes.size() < 4)
        return false;
    std::size_t zeros = 0, letters = 0;
    for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
        zeros += bytes[i + zero_side] == '\0';
        letters += bytes[i + 1 - zero_side] != '\0';
    }
    const std::size_t units = bytes.size() / 2;
    return zeros * 10 >= units * 9 && letters * 10 >= units * 9;
}

// Each line cut at its first NUL, as a simulator reads it.
void cut_at_nuls(PanelText& read)
{
    std::string out;
    out.reserve(read.text.size());
    int line = 1;
    bool cut = false;
    for (const char c : read.text) {
        if (c == '\n') {
            ++line;
            cut = false;
        } else if (c == '\0' && !cut) {
            cut = true;
            read.first_nul_line = read.nul_lines++ == 0 ? line : read.first_nul_line;
        }
        if (!cut || c == '\n')
            out += c;
    }
    read.text = std::move(out);
}

} // namespace

PanelText decode_panel_bytes(std::string_view bytes)
{
    PanelText read;
    const bool odd = bytes.size() % 2 != 0;
    if (bytes.starts_with(utf8_mark)) {
        read.encoding = PanelEncoding::utf8_mark;
        read.text = std::string(bytes.substr(utf8_mark.size()));
    } else if (bytes.starts_with(utf16_le_mark) || bytes.starts_with(utf16_be_mark) || looks_like_utf16(bytes, 1) ||
               looks_like_utf16(bytes, 0)) {
        const bool marked = bytes.starts_with(utf16_le_mark) || bytes.starts_with(utf16_be_mark);
        const bool little = bytes.starts_with(utf16_le_mark) || (!marked && looks_like_utf16(bytes, 1));
        read.encoding = little ? PanelEncoding::utf16_le : PanelEncoding::utf16_be;
        read.text = from_utf16(bytes.substr(marked ? 2 : 0), little);
        read.about = std::string("is saved as UTF-16 ") + (little ? "little" : "big") + "-endian" +
            (marked ? "" : " without a byte-order mark") + " (what Notepad calls \"Unicode\")";
        if (odd)
            read.about += ", and its last byte is left over (an odd number of bytes: the file was cut short?)";
    } else {
        read.text = std::string(bytes);
    }
    if (read.encoding == PanelEncoding::utf8_mark)
        read.about = "starts with a UTF-8 byte-order mark (the bytes \\xef\\xbb\\xbf, what Notepad writes for "
                     "\"UTF-8 with BOM\")";
    if (std::all_of(bytes.begin(), bytes.end(), [](char c) { return c == '\0'; }) && !bytes.empty()) {
        read.encoding = PanelEncoding::nul_bytes;
        read.about = "holds nothing but " + std::to_string(bytes.size()) +
            " NUL bytes: it is no text at all (a copy or a download that failed?); put the aircraft's panel.cfg "
            "back from its download";
        read.unreadable = true;
        read.text.clear();
        return read;
    }
    if (read.encoding != PanelEncoding::ansi && read.text.find_first_not_of(" \t\r\n") == std::string::npos) {
        read.about += " and holds no line after it: the panel has no window";
        read.unreadable = true;
        return read;
    }
    cut_at_nuls(read);
    if (read.nul_lines > 0 && read.encoding == PanelEncoding::ansi)
        read.encoding = PanelEncoding::nul_bytes;
    return read;
}

std::string encoding_advice(const PanelText& text, std::string_view first_line)
{
    switch (text.encoding) {
    case PanelEncoding::ansi: return {};
    case PanelEncoding::utf8_mark:
        if (first_line.empty())
            return text.about + ": a simulator reads the mark as part of line 1, which says nothing here; " +
                save_as_ansi;
        return text.about + ": a simulator reads the mark as part of line 1 and does not know " + excerpt(first_line) +
            (first_line.front() == '[' ? " as a section, so it loses that section's lines; "
                                       : " as a key, so it loses that line; ") +
            save_as_ansi + ". This host read the file without the mark";
    case PanelEncoding::utf16_le:
    case PanelEncoding::utf16_be:
        return text.about +
            ": a simulator reads it as 8-bit text, finds a NUL byte beside every letter and "
            "reads none of its lines (no window, no gauge); " +
            save_as_ansi + ". This host read it as UTF-16";
    case PanelEncoding::nul_bytes:
        return std::to_string(text.nul_lines) + (text.nul_lines == 1 ? " line holds" : " lines hold") +
            " NUL bytes, the first line " + std::to_string(text.first_nul_line) +
            ": a simulator ends a line at its NUL and reads nothing after it on that line, and so does this host; "
            "retype those lines, or " +
            save_as_ansi;
    }
    return {};
}
