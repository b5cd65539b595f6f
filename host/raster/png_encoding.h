// A picture as the bytes of a PNG file, made fast for what the host writes:
// flat-coloured faces and panels, where most pixels repeat the one to their
// left or the one above. Each row is filtered by its left neighbour (PNG's
// "Sub"), which turns a flat area into a run of zero bytes; the deflate
// stream copies such runs, and runs that repeat the row above, and writes
// every other byte as it is, in one block of deflate's fixed codes. No
// search for matches: a picture costs about a pass over its pixels.
#pragma once

#include <cstdint>
#include <vector>

#include "host/raster/image.h"

std::vector<std::uint8_t> png_bytes(const Image& image);
