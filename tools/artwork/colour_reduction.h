// Reduces a set of colours to a few representatives, keeping the error low
// where many pixels share similar shades.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "tools/artwork/image_types.h"

struct ColourCount {
    Rgb colour;
    std::uint32_t pixels = 0;
};

// At most max_colours representatives, each the pixel-weighted mean of the
// colours it stands for. Returns the colours themselves when they are few enough.
std::vector<Rgb> reduce_colours(std::vector<ColourCount> colours, std::size_t max_colours);
