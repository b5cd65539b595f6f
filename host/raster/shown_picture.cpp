#include "host/raster/shown_picture.h"

#include <algorithm>
#include <cstddef>

PixelBox ShownPicture::take(const Image& picture)
{
    if (picture.width != width_ || picture.height != height_) {
        width_ = picture.width;
        height_ = picture.height;
        // Transparent: no opaque pixel equals it, so all of them change.
        pixels_.assign(picture.pixels.size(), Rgba{0, 0, 0, 0});
    }
    PixelBox changed{.left = width_, .top = height_, .right = 0, .bottom = 0};
    for (int y = 0; y < height_; ++y) {
        const std::size_t row = static_cast<std::size_t>(y) * width_;
        for (int x = 0; x < width_; ++x) {
            const Rgba drawn = picture.pixels[row + x];
            const Rgba opaque{drawn.r, drawn.g, drawn.b, 255};
            if (pixels_[row + x] == opaque)
                continue;
            pixels_[row + x] = opaque;
            changed.left = std::min(changed.left, x);
            changed.right = std::max(changed.right, x + 1);
            changed.top = std::min(changed.top, y);
            changed.bottom = std::max(changed.bottom, y + 1);
        }
    }
    return changed.empty() ? PixelBox{} : changed;
}
