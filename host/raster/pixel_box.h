// A rectangle of pixels, left and top inside, right and bottom outside: the
// area an element covers on its face, or one that must be drawn again.
#pragma once

#include <algorithm>

struct PixelBox {
    int left = 0, top = 0, right = 0, bottom = 0;

    bool empty() const { return right <= left || bottom <= top; }
    int width() const { return right - left; }
    int height() const { return bottom - top; }
    bool operator==(const PixelBox&) const = default;
};

inline PixelBox intersection(const PixelBox& a, const PixelBox& b)
{
    return {std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right), std::min(a.bottom, b.bottom)};
}

inline PixelBox moved(const PixelBox& box, int dx, int dy)
{
    return {box.left + dx, box.top + dy, box.right + dx, box.bottom + dy};
}

inline bool overlaps(const PixelBox& a, const PixelBox& b)
{
    return !intersection(a, b).empty();
}

inline bool contains(const PixelBox& outer, const PixelBox& inner)
{
    return inner.empty() ||
        (outer.left <= inner.left && outer.top <= inner.top && inner.right <= outer.right &&
         inner.bottom <= outer.bottom);
}

inline PixelBox bounding(const PixelBox& a, const PixelBox& b)
{
    if (a.empty())
        return b;
    if (b.empty())
        return a;
    return {std::min(a.left, b.left), std::min(a.top, b.top), std::max(a.right, b.right), std::max(a.bottom, b.bottom)};
}
