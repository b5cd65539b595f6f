// The panel host's own cursors, drawn as rows of characters: '#' black,
// 'o' white, ' ' clear. Each is a classic monochrome cursor: a white shape
// in a black outline, which reads over light and dark artwork alike.
#pragma once

#include <span>
#include <string_view>

struct CursorArt {
    const char* file_name; // written as <file_name>.cur
    int hot_x, hot_y;      // the pixel that points
    std::span<const std::string_view> rows;
};

std::span<const CursorArt> host_cursor_art();
