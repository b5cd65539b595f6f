// An RGBA picture in memory: a decoded bitmap, a drawn gauge face or the
// whole panel. Alpha 0 marks a pixel nothing was drawn on.
#pragma once

#include <algorithm>
#include <cstdint>
#include <string>
#include <type_traits>
#include <vector>

#include "host/raster/pixel_box.h"

// The largest picture the host makes, in pixels a side: a decoded bitmap,
// a gauge's face at its placed size, the panel. At this size one picture
// takes 256 MB; a panel keeps three (the panel, its background at its size,
// a placed gauge), so sizes a file asks for are checked against it before
// anything is allocated.
inline constexpr int image_side_limit = 8192;

// Plain bytes, with no member initializers, so that pictures are copied and
// cleared as memory: write Rgba{} for nothing drawn.
struct Rgba {
    std::uint8_t r, g, b, a;
    bool operator==(const Rgba&) const = default;
};
static_assert(std::is_trivial_v<Rgba> && sizeof(Rgba) == 4);

struct Image {
    int width = 0;
    int height = 0;
    std::vector<Rgba> pixels; // row by row from the top

    Image() = default;
    Image(int w, int h, Rgba fill = {});

    Rgba& at(int x, int y) { return pixels[static_cast<std::size_t>(y) * width + x]; }
    const Rgba& at(int x, int y) const { return pixels[static_cast<std::size_t>(y) * width + x]; }
    bool contains(int x, int y) const { return x >= 0 && y >= 0 && x < width && y < height; }
    PixelBox bounds() const { return {0, 0, width, height}; }
};

// Lays `source` over `target` by its alpha.
inline void blend_pixel(Rgba& target, Rgba source)
{
    if (source.a == 255 || target.a == 0) {
        if (source.a != 0)
            target = source;
        return;
    }
    const int a = source.a;
    const int keep = 255 - a;
    auto mix = [&](std::uint8_t s, std::uint8_t t) {
        return static_cast<std::uint8_t>((s * a + t * keep + 127) / 255);
    };
    target = {mix(source.r, target.r), mix(source.g, target.g), mix(source.b, target.b),
              static_cast<std::uint8_t>(std::min(255, a + target.a * keep / 255))};
}

// Lays `source` with its top-left at (x, y) over `target`, only inside
// `clip` (target pixels) and the target.
void draw_over(Image& target, const Image& source, int x, int y, const PixelBox& clip);
void draw_over(Image& target, const Image& source, int x, int y);

// Copies the pixels of `box` (clipped to both) from `source`, an image of
// the same size.
void copy_area(Image& target, const Image& source, const PixelBox& box);

// Sets every pixel of `box` (clipped to the image) to `colour`.
void fill(Image& image, const PixelBox& box, Rgba colour);
