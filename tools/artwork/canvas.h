// A full-colour drawing surface with its Cairo context. Starts fully
// transparent: whatever stays transparent becomes the undrawn key colour.
#pragma once

#include <cairo.h>

#include <cstdint>

#include "tools/artwork/image_types.h"

class Canvas {
public:
    explicit Canvas(FrameSize size);
    ~Canvas();
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    cairo_t* cr() const { return cr_; }
    FrameSize size() const { return size_; }

    // Cairo's premultiplied 0xAARRGGBB word of one pixel.
    std::uint32_t premultiplied_argb(int x, int y) const;

private:
    FrameSize size_;
    cairo_surface_t* surface_ = nullptr;
    cairo_t* cr_ = nullptr;
};
