// The bytes of a panel file as the text they hold. Simulators read panel
// files as 8-bit text a line at a time; an editor may have saved one with a
// byte-order mark, as UTF-16 (Notepad's "Unicode"), or a copy may have left
// NUL bytes in it. Each is recognised before any line is read: the text is
// read as what it is, and what the encoding does to a simulator is said.
#pragma once

#include <string>
#include <string_view>

enum class PanelEncoding { ansi, utf8_mark, utf16_le, utf16_be, nul_bytes };

struct PanelText {
    PanelEncoding encoding = PanelEncoding::ansi;
    std::string text;        // as 8-bit text, UTF-16 made UTF-8, the mark dropped
    std::string about;       // what the bytes are, when not plain text; empty else
    bool unreadable = false; // nothing in it can be read: `about` says why
    // The lines with a NUL byte: a simulator ends such a line at the NUL,
    // and so does this reader.
    int nul_lines = 0, first_nul_line = 0;
};

PanelText decode_panel_bytes(std::string_view bytes);

// What a simulator does with the file, and how to save it instead; empty
// for plain text. `first_line` is the first line as read.
std::string encoding_advice(const PanelText& text, std::string_view first_line);
