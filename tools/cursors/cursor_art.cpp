#include "tools/cursors/cursor_art.h"

namespace {

// A pointing hand; it points with the tip of its finger.
constexpr std::string_view hand_rows[] = {
    // clang-format off
    "     ##         ",
    "    #oo#        ",
    "    #oo#        ",
    "    #oo#        ",
    "    #oo###      ",
    "    #oo#oo##    ",
    "    #oo#oo#o##  ",
    " ## #oo#oo#o#o# ",
    "#oo##ooooooo#oo#",
    "#ooo#oooooooooo#",
    " #oooooooooooo# ",
    " #oooooooooooo# ",
    "  #ooooooooooo# ",
    "  #oooooooooo#  ",
    "   #ooooooooo#  ",
    "   #ooooooooo#  ",
    "    #ooooooo#   ",
    "    #########   ",
    // clang-format on
};

// Arrows for the halves of a knob: the value goes up, or down.
constexpr std::string_view up_arrow_rows[] = {
    // clang-format off
    "      #      ",
    "     #o#     ",
    "    #ooo#    ",
    "   #ooooo#   ",
    "  #ooooooo#  ",
    " #ooooooooo# ",
    "#####ooo#####",
    "    #ooo#    ",
    "    #ooo#    ",
    "    #ooo#    ",
    "    #ooo#    ",
    "    #ooo#    ",
    "    #ooo#    ",
    "    #####    ",
    // clang-format on
};

constexpr std::string_view down_arrow_rows[] = {
    // clang-format off
    "    #####    ",
    "    #ooo#    ",
    "    #ooo#    ",
    "    #ooo#    ",
    "    #ooo#    ",
    "    #ooo#    ",
    "    #ooo#    ",
    "#####ooo#####",
    " #ooooooooo# ",
    "  #ooooooo#  ",
    "   #ooooo#   ",
    "    #ooo#    ",
    "     #o#     ",
    "      #      ",
    // clang-format on
};

constexpr CursorArt cursors[] = {
    // clang-format off
    {.file_name = "hand",       .hot_x = 5, .hot_y = 1,  .rows = hand_rows},
    {.file_name = "up_arrow",   .hot_x = 6, .hot_y = 0,  .rows = up_arrow_rows},
    {.file_name = "down_arrow", .hot_x = 6, .hot_y = 13, .rows = down_arrow_rows},
    // clang-format on
};

} // namespace

std::span<const CursorArt> host_cursor_art()
{
    return cursors;
}
