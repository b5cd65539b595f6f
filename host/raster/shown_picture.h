// A picture as a screen that shows every pixel takes it: opaque, each
// pixel its colour whatever its alpha (an undrawn pixel, left black,
// shows black, as in the bench window), and kept from one frame to the
// next, so that the screen puts only the box that changed on show.
#pragma once

#include <vector>

#include "host/raster/image.h"
#include "host/raster/pixel_box.h"

class ShownPicture {
public:
    // Takes the frame's picture: the box of the pixels that differ from
    // the last picture taken (all of them at first or after a change of
    // size), empty when none does.
    PixelBox take(const Image& picture);
    const std::vector<Rgba>& pixels() const { return pixels_; }

private:
    std::vector<Rgba> pixels_;
    int width_ = 0, height_ = 0;
};
