// PNG overviews of the artwork for people: frames laid out in a grid over a
// panel-grey ground, undrawn pixels showing the ground as the host would.
#pragma once

#include <filesystem>
#include <vector>

#include "tools/artwork/image_types.h"

struct SheetTile {
    int resource_id = 0;
    IndexedImage image;
};

// Throws std::runtime_error naming the file when it cannot be written.
void write_contact_sheet(const std::filesystem::path& file, const std::vector<SheetTile>& tiles, int columns);
