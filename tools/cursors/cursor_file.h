// Windows cursor files (.cur) of one 32 x 32 monochrome image: the
// directory with the hot spot, then the image as a bitmap of twice the
// height, its colour rows over its mask rows, bottom row first.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "tools/cursors/cursor_art.h"

inline constexpr int cursor_size = 32;

// nullopt, with the reason, for art that does not fit or uses other
// characters, or whose hot spot lies outside it.
std::optional<std::vector<std::uint8_t>> cursor_file_bytes(const CursorArt& art, std::string& error);
