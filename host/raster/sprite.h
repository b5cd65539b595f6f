// A static image or icon frame made ready to copy: each row's drawn pixels
// as runs, so that a draw copies opaque runs whole and skips what the
// element leaves undrawn (pure black, for an element with the transparency
// flag, and pixels of alpha 0) without looking at it again.
#pragma once

#include <cstdint>
#include <vector>

#include "host/raster/image.h"

class Sprite {
public:
    // `bitmap` must outlive the sprite.
    Sprite(const Image& bitmap, bool black_transparent);

    // The bitmap pixels it draws, as a box of the bitmap; empty for none.
    const PixelBox& drawn_box() const { return drawn_; }

    // Draws it with its top-left at (x, y) of `target`, only inside `clip`
    // (target pixels); the same pixels as blending every drawn one.
    void draw(Image& target, int x, int y, const PixelBox& clip) const;

private:
    struct Run {
        std::int32_t left;
        std::int32_t length;
        bool opaque; // alpha 255 throughout: copied, not blended
    };

    const Image& bitmap_;
    std::vector<Run> runs_;
    std::vector<std::uint32_t> row_start_; // first run of each row, and one past the last
    PixelBox drawn_;
};
