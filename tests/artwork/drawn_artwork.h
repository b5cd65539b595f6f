// The catalogue drawn once per test run, and small queries over images.
#pragma once

#include <cmath>
#include <functional>
#include <string_view>
#include <vector>

#include "tools/artwork/contact_sheet.h"
#include "tools/artwork/face_geometry.h"
#include "tools/artwork/image_types.h"
#include "tools/artwork/key_colours.h"

const std::vector<SheetTile>& drawn_frames(std::string_view family_name);
const IndexedImage& drawn_frame(std::string_view family_name, int frame);

inline bool is_undrawn(Rgb c)
{
    return c == undrawn;
}
inline bool is_drawn(Rgb c)
{
    return !is_undrawn(c);
}

int count_pixels(const IndexedImage& image, const std::function<bool(Rgb)>& wanted);
int count_pixels_in(const IndexedImage& image, const PixelBox& box, const std::function<bool(Rgb)>& wanted);
bool contains_colour(const IndexedImage& image, Rgb colour);

// A pixel's distance from the dial's centre, measured from its middle.
inline double radius_of(int x, int y)
{
    return std::hypot(x + 0.5 - face_centre_x, y + 0.5 - face_centre_y);
}

// Rows [first, last] that hold at least one drawn pixel; {-1, -1} when none.
struct RowSpan {
    int first = -1;
    int last = -1;
};
RowSpan drawn_rows(const IndexedImage& image);
