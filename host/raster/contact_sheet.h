// A sheet of captioned panel pictures taken at the key moments of a run.
#pragma once

#include <string>
#include <vector>

#include "host/raster/image.h"

// What the sheet shows where a picture has nothing drawn.
inline constexpr Rgba sheet_background = {24, 24, 28, 255};

struct SheetMoment {
    std::string caption;
    Image picture;
};

// The moments in rows of `columns`, each with its caption underneath.
Image contact_sheet(const std::vector<SheetMoment>& moments, int columns);
