// A simulator's panel file as the host reads it: each input is the whole
// file. Beyond what the sanitizers catch, an input fails when the reader
// gives a message a line the file does not have or out of order, or keeps
// a gauge line, a size or a place the format does not allow.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "host/panelfile/panel_file.h"

namespace {

[[noreturn]] void fail(const std::string& what)
{
    std::fprintf(stderr, "panel file fuzz: %s\n", what.c_str());
    std::abort();
}

void check_window(const PanelWindow& window, int lines)
{
    if (window.line < 1 || window.line > lines)
        fail("a window on a line the file does not have");
    if (window.size_mm && (window.size_mm->width < 0 || window.size_mm->height < 0 ||
                           (window.size_mm->width == 0 && window.size_mm->height == 0)))
        fail("a design space below 0, or of 0 on both sides");
    for (const PanelBackground& background : window.backgrounds)
        if (background.file.empty() || background.line < 1 || background.line > lines || background.screen_width < 0)
            fail("a background without its file, its line or a screen width");
    if (window.position && (*window.position < 0 || *window.position > 8))
        fail("a screen place outside 0 to 8");
    int previous = -1;
    for (const PanelGaugeLine& gauge : window.gauges) {
        // A bad gauge line is told and left out, but still holds its number.
        if (gauge.number <= previous)
            fail("gauge lines kept out of number order or twice");
        previous = gauge.number;
        if (gauge.line < 1 || gauge.line > lines)
            fail("a gauge on a line the file does not have");
        if (gauge.module.empty() || gauge.gauge.empty())
            fail("a gauge line kept without its module or its gauge");
        if ((gauge.width && *gauge.width <= 0) || (gauge.height && *gauge.height <= 0) ||
            (gauge.height && !gauge.width))
            fail("a gauge size the format does not allow");
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    // In UTF-16 a line ends in a unit with the byte 0x0a: never more lines
    // than the bytes hold.
    const int lines = static_cast<int>(std::count(text.begin(), text.end(), '\n')) + 1;
    const PanelFile file = read_panel_text(text);

    int previous = 0;
    for (const PanelFileMessage& message : file.messages) {
        if (message.line < previous || message.line > lines)
            fail("a message on a line out of order or past the end: " + std::to_string(message.line));
        if (message.text.empty())
            fail("a message that says nothing");
        if (std::any_of(message.text.begin(), message.text.end(),
                        [](char c) { return static_cast<unsigned char>(c) < 0x20 && c != '\t'; }))
            fail("a message that prints a control character: " + message.text);
        previous = message.line;
    }
    if (file.alias && (file.alias->empty() || file.alias_line < 1 || file.alias_line > lines))
        fail("an alias without its name or its line");
    for (const PanelWindow& window : file.windows)
        check_window(window, lines);
    return 0;
}
