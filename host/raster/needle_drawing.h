// Turning a needle bitmap about its pivot onto a face.
#pragma once

#include <vector>

#include "host/raster/image.h"

struct NeedlePlacement {
    double pivot_x, pivot_y;   // point of the bitmap that turns
    double centre_x, centre_y; // point of the face it is placed on
    double angle_degrees;      // clockwise on the screen
    bool bilinear;             // filter the turned image
    bool operator==(const NeedlePlacement&) const = default;
};

// A needle bitmap ready to turn: each pixel's colour premultiplied by its
// alpha, the pixels it leaves undrawn (pure black, for a needle with the
// transparency flag) already zero.
class NeedleBitmap {
public:
    struct Premultiplied {
        double r = 0, g = 0, b = 0, a = 0;
    };

    NeedleBitmap(const Image& bitmap, bool black_transparent);

    // The bitmap pixels it draws, as a box of the bitmap; empty for none.
    const PixelBox& drawn_box() const { return drawn_; }
    int width() const { return width_; }
    int height() const { return height_; }
    // Zero outside the bitmap.
    Premultiplied at(int x, int y) const
    {
        if (x < 0 || y < 0 || x >= width_ || y >= height_)
            return {};
        return pixels_[static_cast<std::size_t>(y) * width_ + x];
    }

private:
    int width_, height_;
    std::vector<Premultiplied> pixels_;
    PixelBox drawn_;
};

// The face pixels within `face` that the needle may draw on, placed so; a
// small box around the drawn part of the bitmap turned into place. Empty for
// an angle that is no number: such a needle is not drawn.
PixelBox turned_box(const NeedleBitmap& needle, const NeedlePlacement& placement, const PixelBox& face);

// Draws the turned needle, only inside `clip` (face pixels).
void draw_turned(Image& face, const NeedleBitmap& needle, const NeedlePlacement& placement, const PixelBox& clip);
